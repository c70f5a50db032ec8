#include "export/FeedFilter.h"

#include "store/FeedRowTable.h"

QString FeedFilter::fold(QStringView text) {
  // Most titles and every plain address are ASCII, which has nothing to
  // decompose: lower case is all their folding.
  bool ascii = true;
  for (const QChar c : text) {
    if (c.unicode() >= 0x80) {
      ascii = false;
      break;
    }
  }
  if (ascii) {
    QString lower(text.size(), Qt::Uninitialized);
    QChar *out = lower.data();
    for (const QChar c : text) {
      const char16_t u = c.unicode();
      *out++ = QChar(u >= 'A' && u <= 'Z' ? u + ('a' - 'A') : u);
    }
    return lower;
  }
  // Compatibility decomposition splits "é" into "e" and its accent and "ﬁ"
  // into "fi"; the marks then go, and case folding makes "ß" "ss".
  const QString decomposed = text.toString().normalized(QString::NormalizationForm_KD);
  QString bare;
  bare.reserve(decomposed.size());
  for (const QChar c : decomposed) {
    const QChar::Category category = c.category();
    if (category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
        category == QChar::Mark_Enclosing)
      continue;
    bare.append(c);
  }
  return bare.toCaseFolded();
}

FeedFilter::FeedFilter(const FeedRowTable &feeds) {
  folded_.reserve(feeds.size());
  for (std::size_t k = 0; k < feeds.size(); ++k) {
    const FeedRow row = feeds.row(k);
    const std::string_view none;
    const std::string_view parts[] = {row.title.value_or(none), row.xmlUrl.value_or(none),
                                      row.htmlUrl.value_or(none)};
    qsizetype length = 2;
    bool ascii = true;
    for (const std::string_view part : parts) {
      length += static_cast<qsizetype>(part.size());
      for (const char c : part) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    }
    if (!ascii) {
      folded_.push_back(fold(textOf(row.title) + QLatin1Char('\n') + textOf(row.xmlUrl) +
                             QLatin1Char('\n') + textOf(row.htmlUrl)));
      continue;
    }
    // ASCII straight from the bytes, lower-cased on the way.
    QString text(length, Qt::Uninitialized);
    QChar *out = text.data();
    bool firstPart = true;
    for (const std::string_view part : parts) {
      if (!firstPart) *out++ = QLatin1Char('\n');
      firstPart = false;
      for (const char c : part) *out++ = QChar(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    }
    folded_.push_back(std::move(text));
  }
  lastShown_.assign(folded_.size(), 1);
}

const std::vector<char> &FeedFilter::shown(const QString &text) {
  const QString wanted = fold(text.trimmed());
  // A longer text shows no feed that a text it contains hid.
  const bool narrower = !lastText_.isEmpty() && wanted.contains(lastText_);
  if (!narrower) lastShown_.assign(folded_.size(), 1);
  if (!wanted.isEmpty()) {
    for (std::size_t k = 0; k < folded_.size(); ++k) {
      if (lastShown_[k]) lastShown_[k] = folded_[k].contains(wanted) ? 1 : 0;
    }
  }
  lastText_ = wanted;
  return lastShown_;
}
