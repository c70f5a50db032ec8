#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// What an export wrote, kept small enough for any number of feeds, so that
// the written file can be read back and compared: how many outlines, and a
// fingerprint of each feed address (xmlUrl) in the order written.
class WrittenFeeds {
 public:
  // The address as the OPML writer got it (UTF-8, absent when NULL); it is
  // taken as an XML reader will give it back, without the characters that
  // the writer leaves out.
  void add(const std::optional<std::string_view> &xmlUrl);
  void clear() { *this = WrittenFeeds(); }
  // The outlines written.
  std::size_t count() const { return fingerprints_.size(); }
  // The feeds among them: outlines with a feed address (see isFeedAddress),
  // as --check counts them.
  std::size_t feeds() const { return feeds_; }
  const std::vector<std::uint64_t> &fingerprints() const { return fingerprints_; }

 private:
  std::vector<std::uint64_t> fingerprints_;
  std::size_t feeds_ = 0;
  std::string kept_;
};

// Reads the written document back with a strict XML reader and compares it
// with what was written. Returns nothing when the two agree, else a sentence
// that starts with `shownName` (e.g. the file's name in quotes), says what
// differs and what to do.
std::optional<QString> checkWrittenFile(const QByteArray &path, const QString &shownName,
                                        const WrittenFeeds &written);
std::optional<QString> checkWrittenDocument(QIODevice &device, const QString &shownName,
                                            const WrittenFeeds &written);

// "2,019 feeds written to My Feeds.opml and checked." with the number in
// the locale's digits and grouping.
QString writtenAndCheckedSentence(std::size_t feeds, const QString &shownName,
                                  const QLocale &locale = QLocale());

// "1 feed" or "2,019 feeds", grouped as the locale groups digits.
QString feedCountText(std::size_t feeds, const QLocale &locale = QLocale());
