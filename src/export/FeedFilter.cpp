#include "export/FeedFilter.h"

#include "store/FeedRowTable.h"

namespace {

QString textOf(const std::optional<std::string_view> &bytes) {
  return bytes ? QString::fromUtf8(bytes->data(), static_cast<qsizetype>(bytes->size()))
               : QString();
}

}  // namespace

QString FeedFilter::fold(QStringView text) {
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
    const FeedRowView row = feeds.row(k);
    folded_.push_back(fold(textOf(row.feedTitle) + QLatin1Char('\n') + textOf(row.internalLink) +
                           QLatin1Char('\n') + textOf(row.feedUrl)));
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
