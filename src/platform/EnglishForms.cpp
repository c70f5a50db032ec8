#include "EnglishForms.h"

#include <QTranslator>
#include <algorithm>
#include <limits>

QString formForCount(const QTranslator &table, const char *context, const char *key,
                     std::size_t count, const QString &number) {
  const int n = int(std::min<std::size_t>(count, std::numeric_limits<int>::max()));
  QString text = table.translate(context, key, nullptr, n);
  if (text.isEmpty()) text = QString::fromUtf8(key);
  return text.replace(QLatin1String("%Ln"), number);
}

QString englishForCount(const char *context, const char *key, std::size_t count) {
  // Never deleted: a background thread may still ask while static objects
  // are torn down at exit.
  static const QTranslator *const english = [] {
    auto *made = new QTranslator;
    (void)made->load(QString::fromLatin1(kEnglishTable));
    return made;
  }();
  return formForCount(*english, context, key, count, QString::number(count));
}
