#include "EnglishForms.h"

#include <QTranslator>
#include <algorithm>
#include <limits>

QString englishForCount(const char *table, const char *key, std::size_t count) {
  // Never deleted: a background thread may still ask while static objects
  // are torn down at exit.
  static const QTranslator *const english = [] {
    auto *made = new QTranslator;
    (void)made->load(QStringLiteral(":/i18n/orvella_en.qm"));
    return made;
  }();
  const int n = int(std::min<std::size_t>(count, std::numeric_limits<int>::max()));
  QString text = english->translate(table, key, nullptr, n);
  if (text.isEmpty()) text = QString::fromUtf8(key);
  return text.replace(QLatin1String("%Ln"), QString::number(count));
}
