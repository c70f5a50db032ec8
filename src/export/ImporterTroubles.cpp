#include "export/ImporterTroubles.h"

#include <QLocale>
#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>

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
  // Letters of any script, and their case.
  const QString text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size())).toCaseFolded();
  QString kept;
  for (const QChar c : text) {
    if (c.isLetterOrNumber() || c.isMark()) kept += c;
  }
  return kept.toStdString();
}

namespace {

// What each ASCII byte is in a folded title: a digit or a lower-case
// letter, or nothing.
constexpr std::array<char, 128> kFolded = [] {
  std::array<char, 128> folded{};
  for (char c = '0'; c <= '9'; ++c) folded[std::size_t(c)] = c;
  for (char c = 'a'; c <= 'z'; ++c) folded[std::size_t(c)] = c;
  for (char c = 'A'; c <= 'Z'; ++c) folded[std::size_t(c)] = char(c - 'A' + 'a');
  return folded;
}();

struct Glance {
  bool ascii = true;
  bool breaks = false;  // a line feed, carriage return or tab
};

// Eight bytes a step: a byte is b when it is zero after an exclusive or
// with b.
Glance glanceAt(std::string_view text) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ull, kHighs = 0x8080808080808080ull;
  auto hasZero = [](std::uint64_t v) { return (v - kOnes) & ~v & kHighs; };
  std::uint64_t high = 0, breaks = 0;
  std::size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + i, 8);
    high |= word;
    breaks |= hasZero(word ^ ('\n' * kOnes)) | hasZero(word ^ ('\r' * kOnes)) |
              hasZero(word ^ ('\t' * kOnes));
  }
  for (; i < text.size(); ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    high |= b;
    breaks |= b == '\n' || b == '\r' || b == '\t';
  }
  return {(high & kHighs) == 0, breaks != 0};
}

}  // namespace

std::uint64_t ImporterTroubles::foldedTitleFingerprint(std::string_view utf8) {
  bool breaks = false;
  return lookAtTitle(utf8, breaks);
}

std::uint64_t ImporterTroubles::lookAtTitle(std::string_view utf8, bool &breaks) {
  // A short ASCII title is folded here; another through Unicode's case
  // folding. Either way the fingerprint is that of the folded text, and 0
  // (none) for a title without letters or digits.
  const Glance glance = glanceAt(utf8);
  breaks = glance.breaks;
  char buffer[256];
  if (glance.ascii && utf8.size() <= sizeof buffer) {
    std::size_t kept = 0;
    for (const char c : utf8) {
      const char folded = kFolded[static_cast<unsigned char>(c)];
      buffer[kept] = folded;
      kept += folded != 0;
    }
    return kept == 0 ? 0 : textFingerprint(std::string_view(buffer, kept)) | 1;
  }
  const std::string folded = foldedTitle(utf8);
  return folded.empty() ? 0 : textFingerprint(folded) | 1;
}

void ImporterTroubles::reserve(std::size_t feeds) {
  addresses_.reserve(feeds);
  titles_.reserve(feeds);
}

void ImporterTroubles::add(const FeedRow &row) {
  const std::size_t index = addresses_.size();
  bool troubled = false;
  const std::string_view address = row.xmlUrl ? trimmed(*row.xmlUrl) : std::string_view();
  std::uint64_t addressFingerprint = 0;
  if (!isFeedAddress(address)) {
    ++withoutAddress_;
    troubled = true;
  } else {
    if (!startsWithNoCase(address, "http://") && !startsWithNoCase(address, "https://")) {
      ++notWeb_;
      troubled = true;
    }
    addressFingerprint = textFingerprint(address) | 1;
  }
  addresses_.push_back(addressFingerprint);
  std::uint64_t titleFingerprint = 0;
  if (row.title) {
    bool breaks = false;
    titleFingerprint = lookAtTitle(*row.title, breaks);
    if (breaks) {
      titleBreakFeeds_.push_back(index);
      troubled = true;
    }
  }
  titles_.push_back(titleFingerprint);
  if (troubled) troubledAlone_.push_back(index);
  settled_.done = false;
}

std::vector<std::size_t> ImporterTroubles::repeatsIn(
    const std::vector<std::uint64_t> &fingerprints) {
  // The feeds with a fingerprint go into 256 buckets by its top byte, each
  // in feed order, in one pass; each bucket is small enough to look at for
  // repeats in a table that stays in the cache.
  constexpr int kBuckets = 256;
  std::vector<std::size_t> start(kBuckets + 1, 0);
  for (const std::uint64_t f : fingerprints)
    if (f != 0) ++start[(f >> 56) + 1];
  for (int b = 0; b < kBuckets; ++b) start[b + 1] += start[b];
  std::vector<std::uint32_t> bucketed(start[kBuckets]);
  std::vector<std::size_t> next(start.begin(), start.end() - 1);
  for (std::size_t feed = 0; feed < fingerprints.size(); ++feed)
    if (const std::uint64_t f = fingerprints[feed]; f != 0)
      bucketed[next[f >> 56]++] = std::uint32_t(feed);
  std::vector<std::size_t> repeats;
  std::vector<std::uint64_t> table;
  for (int b = 0; b < kBuckets; ++b) {
    const std::size_t count = start[b + 1] - start[b];
    std::size_t size = 16;
    while (size < 2 * count) size *= 2;
    table.assign(size, 0);
    for (std::size_t k = start[b]; k < start[b + 1]; ++k) {
      const std::uint32_t feed = bucketed[k];
      const std::uint64_t fingerprint = fingerprints[feed];  // never 0: 0 marks a free slot
      for (std::size_t at = fingerprint & (size - 1);; at = (at + 1) & (size - 1)) {
        if (table[at] == fingerprint) {
          repeats.push_back(feed);
          break;
        }
        if (table[at] == 0) {
          table[at] = fingerprint;
          break;
        }
      }
    }
  }
  std::sort(repeats.begin(), repeats.end());
  return repeats;
}

const ImporterTroubles::Settled &ImporterTroubles::settled() const {
  if (settled_.done) return settled_;
  const std::vector<std::size_t> addresses = repeatsIn(addresses_);
  const std::vector<std::size_t> titles = repeatsIn(titles_);
  settled_.repeatedAddress = addresses.size();
  settled_.repeatedTitle = titles.size();
  std::vector<std::size_t> mended;
  std::set_union(titles.begin(), titles.end(), titleBreakFeeds_.begin(), titleBreakFeeds_.end(),
                 std::back_inserter(mended));
  settled_.mendedTitles = mended.size();
  std::vector<std::size_t> both;
  std::set_union(addresses.begin(), addresses.end(), titles.begin(), titles.end(),
                 std::back_inserter(both));
  settled_.troubled.clear();
  std::set_union(troubledAlone_.begin(), troubledAlone_.end(), both.begin(), both.end(),
                 std::back_inserter(settled_.troubled));
  settled_.done = true;
  return settled_;
}

std::vector<QString> ImporterTroubles::warnings(bool titlesMadeSafe) const {
  std::vector<QString> lines;
  auto say = [&lines](std::size_t count, const char *one, const char *many) {
    if (count > 0) lines.push_back(counted(count, one, many));
  };
  say(withoutAddress_,
      "Warning: 1 entry has no feed address, so it is not counted as a feed; importers may "
      "skip it, or add an empty feed or folder.",
      "Warning: %1 entries have no feed address, so they are not counted as feeds; importers "
      "may skip them, or add empty feeds or folders.");
  say(notWeb_,
      "Warning: 1 feed address does not start with http:// or https://; most readers cannot "
      "fetch it.",
      "Warning: %1 feed addresses do not start with http:// or https://; most readers cannot "
      "fetch them.");
  say(repeatedAddress(),
      "Warning: 1 feed repeats the address of an earlier one; some readers import it twice, "
      "others refuse the file.",
      "Warning: %1 feeds repeat the address of an earlier one; some readers import them twice, "
      "others refuse the file.");
  if (titlesMadeSafe) {
    say(settled().mendedTitles,
        "1 title was made safe for any reader: its line breaks and tabs became spaces, or it "
        "was numbered as a repeat.",
        "%1 titles were made safe for any reader: their line breaks and tabs became spaces, and "
        "repeated titles were numbered.");
    return lines;
  }
  say(titleBreakFeeds_.size(),
      "Warning: 1 title holds a line break or tab; some readers cannot import the feed, or "
      "change its title.",
      "Warning: %1 titles hold a line break or tab; some readers cannot import those feeds, or "
      "change their titles.");
  say(repeatedTitle(),
      "Warning: 1 title repeats an earlier one (case, punctuation and spaces aside); some "
      "readers stop the whole import, or drop the feed. --importable-titles numbers it.",
      "Warning: %1 titles repeat earlier ones (case, punctuation and spaces aside); some "
      "readers stop the whole import, or drop those feeds. --importable-titles numbers them.");
  return lines;
}
