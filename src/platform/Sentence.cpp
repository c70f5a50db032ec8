#include "Sentence.h"

#include "platform/EnglishForms.h"

Sentence &Sentence::arg(const QString &value) {
  values_.push_back({value, nullptr});
  return *this;
}

Sentence &Sentence::arg(std::size_t number) { return arg(QString::number(number)); }

Sentence &Sentence::arg(const Sentence &part) {
  values_.push_back({QString(), std::make_shared<const Sentence>(part)});
  return *this;
}

QString Sentence::english() const {
  return text([](const char *source, std::optional<std::size_t> count) {
    return count ? englishForCount("CXInterfaceString", source, *count) : QString::fromUtf8(source);
  });
}

QString Sentence::text(const Translate &translate, const Shown &shown) const {
  if (source_ == nullptr) return QString();
  QStringList values;
  values.reserve(qsizetype(values_.size()));
  for (const Value &value : values_) {
    values.append(value.part ? value.part->text(translate, shown)
                  : shown    ? shown(value.plain)
                             : value.plain);
  }
  return fillPlaceholders(translate(source_, count_), values);
}

QString fillPlaceholders(const QString &format, const QStringList &values) {
  QString out;
  out.reserve(format.size());
  for (qsizetype i = 0; i < format.size(); ++i) {
    const QChar c = format[i];
    if (c == QLatin1Char('%') && i + 1 < format.size()) {
      const int digit = format[i + 1].digitValue();
      if (digit >= 1 && digit <= values.size()) {
        out += values[digit - 1];
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}
