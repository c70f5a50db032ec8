#include "export/ImporterTroubles.h"

#include <QLocale>
#include <algorithm>

#include "export/OpmlReading.h"

namespace {

bool startsWithNoCase(std::string_view text, std::string_view start) {
  if (text.size() < start.size()) return false;
  for (std::size_t i = 0; i < start.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    if (c != start[i]) return false;
  }
  return true;
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

QString counted(std::size_t count, const char *one, const char *many) {
  return count == 1 ? QString::fromLatin1(one)
                    : QString::fromLatin1(many).arg(QLocale().toString(qulonglong(count)));
}

}  // namespace

std::string ImporterTroubles::foldedTitle(std::string_view utf8) {
  std::string folded;
  bool ascii = true;
  for (const char c : utf8) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x80) {
      ascii = false;
      break;
    }
    if ((b >= 'a' && b <= 'z') || (b >= '0' && b <= '9')) folded += c;
    if (b >= 'A' && b <= 'Z') folded += char(b - 'A' + 'a');
  }
  if (ascii) return folded;
  // Letters of any script, and their case.
  const QString text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size())).toCaseFolded();
  QString kept;
  for (const QChar c : text) {
    if (c.isLetterOrNumber() || c.isMark()) kept += c;
  }
  return kept.toStdString();
}

void ImporterTroubles::add(const FeedRow &row) {
  const std::size_t index = rows_++;
  bool troubled = false;
  const std::string_view address = row.xmlUrl ? trimmed(*row.xmlUrl) : std::string_view();
  if (address.empty()) {
    ++withoutAddress_;
    troubled = true;
  } else {
    if (!startsWithNoCase(address, "http://") && !startsWithNoCase(address, "https://")) {
      ++notWeb_;
      troubled = true;
    }
    addresses_.push_back({textFingerprint(address), std::uint32_t(index)});
  }
  if (row.title) {
    const std::string_view title = *row.title;
    if (title.find_first_of("\n\r\t") != std::string_view::npos) {
      ++titleBreaks_;
      troubled = true;
    }
    const std::string folded = foldedTitle(title);
    if (!folded.empty()) titles_.push_back({textFingerprint(folded), std::uint32_t(index)});
  }
  if (troubled) troubled_.push_back(index);
  finished_ = false;
}

void ImporterTroubles::finish() {
  if (finished_) return;
  finished_ = true;
  // Every row after the first of a fingerprint repeats it.
  auto repeats = [this](std::vector<Seen> &seen) {
    std::sort(seen.begin(), seen.end());
    std::size_t count = 0;
    for (std::size_t i = 1; i < seen.size(); ++i) {
      if (seen[i].fingerprint == seen[i - 1].fingerprint) {
        ++count;
        troubled_.push_back(seen[i].row);
      }
    }
    return count;
  };
  repeatedAddress_ = repeats(addresses_);
  repeatedTitle_ = repeats(titles_);
  std::sort(troubled_.begin(), troubled_.end());
  troubled_.erase(std::unique(troubled_.begin(), troubled_.end()), troubled_.end());
}

std::vector<QString> ImporterTroubles::warnings(bool titlesMadeSafe) const {
  std::vector<QString> lines;
  auto say = [&lines](std::size_t count, const char *one, const char *many) {
    if (count > 0) lines.push_back(counted(count, one, many));
  };
  say(withoutAddress_,
      "Warning: 1 feed has no feed address; importers may skip it, or add an empty feed or "
      "folder.",
      "Warning: %1 feeds have no feed address; importers may skip them, or add empty feeds or "
      "folders.");
  say(notWeb_,
      "Warning: 1 feed address does not start with http:// or https://; most readers cannot "
      "fetch it.",
      "Warning: %1 feed addresses do not start with http:// or https://; most readers cannot "
      "fetch them.");
  say(repeatedAddress_,
      "Warning: 1 feed repeats the address of an earlier one; some readers import it twice, "
      "others refuse the file.",
      "Warning: %1 feeds repeat the address of an earlier one; some readers import them twice, "
      "others refuse the file.");
  if (titlesMadeSafe) {
    say(titleBreaks_ + repeatedTitle_,
        "1 title was made safe for any reader: its line breaks and tabs became spaces, or it "
        "was numbered as a repeat.",
        "%1 titles were made safe for any reader: their line breaks and tabs became spaces, and "
        "repeated titles were numbered.");
    return lines;
  }
  say(titleBreaks_,
      "Warning: 1 title holds a line break or tab; some readers cannot import the feed, or "
      "change its title.",
      "Warning: %1 titles hold a line break or tab; some readers cannot import those feeds, or "
      "change their titles.");
  say(repeatedTitle_,
      "Warning: 1 title repeats an earlier one (case, punctuation and spaces aside); some "
      "readers stop the whole import, or drop the feed. --importable-titles numbers it.",
      "Warning: %1 titles repeat earlier ones (case, punctuation and spaces aside); some "
      "readers stop the whole import, or drop those feeds. --importable-titles numbers them.");
  return lines;
}
