#include "ExportCommand.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/CommandLine.h"
#include "app/Spool.h"
#include "app/StandardStreams.h"
#include "export/OpmlWriter.h"
#include "export/SecretAddresses.h"
#include "export/WrittenFileCheck.h"
#include "platform/AtomicFile.h"
#include "store/FeedDatabase.h"

namespace fs = std::filesystem;

namespace {

// Only for showing a name; the bytes themselves go to the system.
QString shown(const QByteArray &bytes) { return QFile::decodeName(bytes); }

// Control characters would break the one-line-per-feed layout.
void appendListField(QByteArray &out, const std::optional<std::string_view> &utf8) {
  if (!utf8) {
    return;
  }
  for (const char c : *utf8) {
    const auto b = static_cast<unsigned char>(c);
    out.append(b < 0x20 || b == 0x7F ? ' ' : c);
  }
}

const Sentence kDatabaseFileReason(
    QT_TRANSLATE_NOOP("CXInterfaceString", "it is the reader's database or one of its files"));

// Standard output that a redirection opened on the database (1<>Feeds) would
// lose the reader's data at the first byte written.
bool stdoutIsTheDatabase(const std::vector<std::string> &databaseFiles, const fs::path &database) {
  if (!AtomicFile::isAnyOf(STDOUT_FILENO, databaseFiles)) return false;
  printLine(stderr, QStringLiteral("Standard output is the database \"%1\" or one of its files. "
                                   "Send the output to another file.")
                        .arg(QFile::decodeName(database.c_str())));
  return true;
}

// Values the read had to repair are worth a word: the file differs from the
// database there.
void sayRepaired(const ReadResult &read) {
  if (read.repairedValues == 0) return;
  printLine(stderr,
            QStringLiteral("%1 of the feeds' texts held bytes that are not valid UTF-8; each "
                           "such sequence was written as the character U+FFFD.")
                .arg(read.repairedValues));
}

void saySecrets(std::size_t feeds) {
  if (feeds == 0) return;
  printLine(stderr, QStringLiteral("Warning: %1 of the exported feeds carry a user name, "
                                   "password or key in their address; anyone who gets the file "
                                   "can use them.")
                        .arg(feeds));
}

// One pass over the rows into the document, keeping what the read-back
// compares and counting the addresses that carry secrets; started again when
// the read starts over.
struct ExportPass {
  explicit ExportPass(OpmlBuilder::Sink sink) : sink(std::move(sink)) { restart(); }
  void restart() {
    builder.emplace(sink);
    written.clear();
    secrets = 0;
  }
  bool add(const FeedRowView &row) {
    builder->addOutline(row);
    written.add(row.internalLink);
    // Feeds whose address carries a name, password or key: the file gives
    // them away to whoever gets it.
    secrets += SecretAddresses::carriesSecret(row) ? 1 : 0;
    return builder->sinkOk();
  }

  OpmlBuilder::Sink sink;
  std::optional<OpmlBuilder> builder;
  WrittenFeeds written;
  std::size_t secrets = 0;
};

// Whether both descriptors are the same terminal, as when a user runs us in
// one without redirecting either.
bool sameTerminal(int a, int b) {
  struct stat first = {};
  struct stat second = {};
  return ::isatty(a) && ::isatty(b) && ::fstat(a, &first) == 0 && ::fstat(b, &second) == 0 &&
         first.st_rdev == second.st_rdev;
}

int readFailed(const ReadResult &read, bool exporting) {
  printLine(stderr, exporting ? read.message.english() + QStringLiteral(" Nothing was exported.")
                              : read.message.english());
  return ExitStatus::kNoDatabase;
}

}  // namespace

int runExport(const fs::path &database, const QByteArray &target) {
  const std::vector<std::string> databaseFiles = databaseFileNames(database);
  const bool toStdout = target == "-";
  if (toStdout) {
    if (stdoutIsTheDatabase(databaseFiles, database)) return ExitStatus::kUsage;
    Spool spool;
    auto sink = [&spool](const char *bytes, qsizetype size) { return spool.append(bytes, size); };
    ExportPass pass(sink);
    ReadOptions options;
    options.onRestart = [&] {
      spool.rewind();
      pass.restart();
    };
    const ReadResult read = forEachFeedRowAt(
        database, [&](const FeedRowView &row) { return pass.add(row); }, options);
    if (read.status != ReadStatus::Stopped && !read.ok()) return readFailed(read, true);
    std::move(*pass.builder).finish();
    if (auto error = spool.error()) {
      printLine(stderr, *error + QStringLiteral(" Nothing was exported."));
      return ExitStatus::kWriteFailed;
    }
    // What goes to standard output cannot be read back there; it is checked
    // on its way.
    if (auto mismatch = spool.check(pass.written)) {
      printLine(stderr, *mismatch + QStringLiteral(" Nothing was written to standard output."));
      return ExitStatus::kNotAsWritten;
    }
    if (auto error = spool.copyToStdout()) {
      printLine(stderr,
                QStringLiteral("Could not write the export to standard output: %1.").arg(*error));
      return ExitStatus::kWriteFailed;
    }
    sayRepaired(read);
    saySecrets(pass.secrets);
    // The document ends without a line feed; on a shared terminal the summary
    // would otherwise run on from its last line.
    const QString lineStart =
        sameTerminal(STDOUT_FILENO, STDERR_FILENO) ? QStringLiteral("\n") : QString();
    printLine(stderr, lineStart + writtenAndCheckedSentence(read.rowCount,
                                                            QStringLiteral("standard output")));
    return ExitStatus::kOk;
  }

  // Every feed is ticked, so the document goes to the file as the rows
  // arrive, and the read stops at the first piece the file does not take.
  // A replaced file only takes the target's place once the whole of it is
  // written. The target is checked before the read: the database's own
  // files and files the user may not write are never replaced.
  AtomicFile::Writer writer(target, {databaseFiles, kDatabaseFileReason});
  auto refused = [&writer](const std::optional<Sentence> &error) {
    printLine(stderr, error->english());
    return writer.failure() == AtomicFile::Failure::Protected ? ExitStatus::kUsage
                                                              : ExitStatus::kWriteFailed;
  };
  if (!writer.open()) return refused(writer.commit());
  auto sink = [&writer](const char *bytes, qsizetype size) { return writer.append(bytes, size); };
  ExportPass pass(sink);
  ReadOptions options;
  // A read that starts over starts the file over too, unless the bytes
  // already went to a pipe or device: then the read fails instead.
  bool restartable = true;
  options.onRestart = [&] {
    restartable = writer.rewind();
    pass.restart();
  };
  const ReadResult read = forEachFeedRowAt(
      database, [&](const FeedRowView &row) { return pass.add(row) && restartable; }, options);
  if (read.status != ReadStatus::Stopped && !read.ok()) {
    return readFailed(read, true);  // the writer leaves nothing behind
  }
  if (!restartable) {
    printLine(stderr, QStringLiteral("The database \"%1\" changed while it was read, and the "
                                     "start of the export had already been written to \"%2\". "
                                     "Export again.")
                          .arg(QFile::decodeName(database.c_str()),
                               shown(AtomicFile::absoluteName(target))));
    return ExitStatus::kWriteFailed;
  }
  std::move(*pass.builder).finish();
  if (auto error = writer.commit()) return refused(error);
  sayRepaired(read);
  saySecrets(pass.secrets);
  const QString name = shown(AtomicFile::absoluteName(target));
  // A device or FIFO written in place cannot be read back.
  struct stat node = {};
  if (::stat(target.constData(), &node) != 0 || !S_ISREG(node.st_mode)) {
    printLine(stderr, QStringLiteral("%1 written to %2.").arg(feedCountText(read.rowCount), name));
    return ExitStatus::kOk;
  }
  if (auto mismatch = checkWrittenFile(target, QStringLiteral("\"%1\"").arg(name), pass.written)) {
    printLine(stderr, *mismatch);
    return ExitStatus::kNotAsWritten;
  }
  printLine(stderr, writtenAndCheckedSentence(read.rowCount, name));
  return ExitStatus::kOk;
}

int runList(const fs::path &database) {
  if (stdoutIsTheDatabase(databaseFileNames(database), database)) return ExitStatus::kUsage;
  Spool spool;
  QByteArray line;
  ReadOptions options;
  options.onRestart = [&spool] { spool.rewind(); };
  const ReadResult read = forEachFeedRowAt(
      database,
      [&](const FeedRowView &row) {
        line.clear();
        appendListField(line, row.feedTitle);
        line.append('\t');
        appendListField(line, row.feedUrl);
        line.append('\t');
        appendListField(line, row.internalLink);
        line.append('\n');
        return spool.append(line.constData(), line.size());
      },
      options);
  if (read.status != ReadStatus::Stopped && !read.ok()) return readFailed(read, false);
  if (auto error = spool.error()) {
    printLine(stderr, *error);
    return ExitStatus::kWriteFailed;
  }
  if (auto error = spool.copyToStdout()) {
    printLine(stderr,
              QStringLiteral("Could not write the list to standard output: %1.").arg(*error));
    return ExitStatus::kWriteFailed;
  }
  sayRepaired(read);
  return ExitStatus::kOk;
}
