#pragma once

#include <QString>
#include <QStringView>
#include <vector>

class FeedRowTable;

// Which feeds a filter text shows: those whose title, feed address or site
// address contains it, ignoring case and accents ("cafe" finds "Café",
// "STRASSE" finds "Straße"). The feeds' texts are folded once, when the
// filter is made; each text typed then costs one pass of plain substring
// searches, and a text that extends the previous one searches only what
// that one showed.
class FeedFilter {
 public:
  explicit FeedFilter(const FeedRowTable &feeds);

  // One flag per feed; every feed for an empty text.
  const std::vector<char> &shown(const QString &text);

  // Case folded, with accents and other combining marks taken off.
  static QString fold(QStringView text);

 private:
  std::vector<QString> folded_;  // title, feed address and site address, '\n' between
  QString lastText_;
  std::vector<char> lastShown_;
};
