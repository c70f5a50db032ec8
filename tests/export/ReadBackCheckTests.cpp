// The read-back check that reads a document on a thread of its own while it
// is written: whatever the pieces, restarts and faults, it says what the
// slow read-back says, and nothing when the file holds what was written.
#include <gtest/gtest.h>

#include <QFile>
#include <random>

#include "TestSupport.h"
#include "export/ExportPass.h"
#include "export/ReadBackCheck.h"
#include "store/FeedRowTable.h"

using testsupport::TempDir;

namespace {

struct Document {
  QByteArray bytes;
  WrittenFeeds written;
};

Document documentOf(int feeds) {
  FeedRowTable rows;
  std::vector<std::string> texts;
  for (int i = 0; i < feeds; ++i) {
    const std::string title = "Feed " + std::to_string(i) + " & <more>";
    const std::string address = "https://s/f" + std::to_string(i);
    rows.append(FeedRow{std::nullopt, title, 1, address});
  }
  std::vector<int> all;
  for (int i = 0; i < feeds; ++i) all.push_back(i);
  ExportPass pass = exportOfFeeds(rows, all);
  Document document{QByteArray(), pass.written()};
  document.bytes = std::move(pass).finish();
  return document;
}

void save(const std::filesystem::path &path, const QByteArray &bytes) {
  QFile file(testsupport::qpath(path));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

// Feeds the bytes in pieces of random sizes, as a writer hands them over.
void feedInPieces(ReadBackCheck &check, const QByteArray &bytes, std::mt19937 &random) {
  for (qsizetype at = 0; at < bytes.size();) {
    const qsizetype size =
        std::min<qsizetype>(bytes.size() - at, std::uniform_int_distribution<>(1, 70'000)(random));
    check.feed(bytes.constData() + at, size);
    at += size;
  }
}

}  // namespace

TEST(ReadBackCheck, AgreesWithTheSlowReadBackWhateverThePiecesAndFaults) {
  TempDir dir;
  const auto path = dir / "out.opml";
  const QByteArray file = QFile::encodeName(testsupport::qpath(path));
  const Document document = documentOf(20'000);
  const qsizetype middle = document.bytes.indexOf("https://s/f10000\"");
  struct Case {
    const char *what;
    QByteArray onDisk;    // what the file holds
    const char *said;     // nullptr: nothing
    QByteArray fed = {};  // what went out, when not the document
  };
  QByteArray otherAddress = document.bytes;
  otherAddress[middle + 11] = '9';
  QByteArray otherTitle = document.bytes;
  otherTitle.replace("Feed 10000 &amp;", "Feed 10000 &#38;");  // the same text, other bytes
  QByteArray cut = document.bytes.left(document.bytes.size() - 10);
  const std::vector<Case> cases = {
      {"as written", document.bytes, nullptr},
      {"another address", otherAddress, "a different feed address in feed 10001 of 20000"},
      {"other bytes, the same reading", otherTitle, "found other bytes than were written"},
      {"cut short", cut, "no well-formed XML"},
      {"empty", QByteArray(), "no well-formed XML"},
      // Stored as handed over, but not what the rows held.
      {"the writer's own slip", otherAddress, "a different feed address in feed 10001",
       otherAddress},
  };
  std::mt19937 random(7);
  for (const Case &c : cases) {
    for (const bool restarted : {false, true}) {
      SCOPED_TRACE(std::string(c.what) + (restarted ? ", after a restart" : ""));
      ReadBackCheck check;
      if (restarted) {
        // A read that starts over: half a document, then all of it.
        check.feed(document.bytes.constData(), document.bytes.size() / 2);
        check.restart();
      }
      feedInPieces(check, c.fed.isNull() ? document.bytes : c.fed, random);
      save(path, c.onDisk);
      const std::optional<QString> said =
          check.verify(file, QStringLiteral("\"out\""), document.written);
      if (c.said == nullptr) {
        EXPECT_FALSE(said) << said->toStdString();
      } else {
        ASSERT_TRUE(said);
        EXPECT_TRUE(said->contains(QLatin1String(c.said))) << said->toStdString();
        EXPECT_TRUE(said->startsWith(QStringLiteral("\"out\""))) << said->toStdString();
      }
    }
  }
}

// A document that the fast reader does not take (a document type) goes the
// slow way as a whole; one that it gives up on early never holds up the writer.
TEST(ReadBackCheck, ADocumentTheFastReaderLeavesIsReadTheSlowWay) {
  TempDir dir;
  const auto path = dir / "out.opml";
  const QByteArray file = QFile::encodeName(testsupport::qpath(path));
  Document document = documentOf(50'000);
  document.bytes.replace("<opml", "<!DOCTYPE opml>\n<opml");
  ReadBackCheck check;
  std::mt19937 random(11);
  feedInPieces(check, document.bytes, random);  // far more than the pipe holds
  save(path, document.bytes);
  const std::optional<QString> said =
      check.verify(file, QStringLiteral("\"out\""), document.written);
  EXPECT_FALSE(said) << said->toStdString();
}
