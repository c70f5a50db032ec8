#include "Localized.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QThread>
#include <QTranslator>
#include <algorithm>
#include <atomic>
#include <mutex>

#include "platform/EnglishForms.h"

namespace {

// The compiled strings tables, embedded in the program by the build, one per
// language: orvella_<language>.qm.
constexpr auto kTablesFolder = ":/i18n";

struct Tables {
  QTranslator ours;
  // Qt's own texts: the save panel's buttons, "Yes" and "No", and whether the
  // language reads right to left.
  QTranslator qt;
};

void load(Tables &t, const QLocale &locale) {
  // The first of the user's languages that has a table; English, the
  // language the keys are written in, when none has.
  if (!t.ours.load(locale, QStringLiteral("orvella"), QStringLiteral("_"),
                   QString::fromLatin1(kTablesFolder)) &&
      !t.ours.load(QString::fromLatin1(kEnglishTable))) {
    qWarning(
        "The program's strings tables are missing from its resources; texts show their "
        "keys. Rebuild the program to embed them.");
  }
  // From the system's Qt, for the user's own language even where the program
  // has no table of its own: Qt's dialogs then speak it, and a right-to-left
  // language mirrors the windows. Without the file Qt speaks English.
  if (!t.qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    (void)t.qt.load(QString());  // none: empties what an earlier language left
  }
}

Tables &tables() {
  // Never deleted: QCoreApplication keeps pointers to the translators once
  // installed.
  static Tables *const t = [] {
    auto *made = new Tables;
    load(*made, QLocale());
    return made;
  }();
  return *t;
}

std::atomic<QCoreApplication *> installedIn{nullptr};

void install(Tables &t) {
  QCoreApplication::installTranslator(&t.qt);
  QCoreApplication::installTranslator(&t.ours);
}

// Puts the tables into the application's translator list once, so that
// QCoreApplication::translate and tr() find them too. Installing sends a
// language-change event, which only the main thread may do.
void installIfPossible() {
  QCoreApplication *app = QCoreApplication::instance();
  if (app == nullptr || installedIn.load() == app || QThread::currentThread() != app->thread()) {
    return;
  }
  static std::mutex mutex;
  std::lock_guard lock(mutex);
  if (installedIn.load() != app) {
    install(tables());
    installedIn = app;
  }
}

}  // namespace

QString localized(const char *table, const char *key) {
  Tables &t = tables();
  installIfPossible();
  if (installedIn.load() == QCoreApplication::instance() && installedIn.load() != nullptr) {
    return QCoreApplication::translate(table, key);
  }
  // No application object yet, or a background thread before the main thread
  // asked: look in the tables directly.
  const QString text = t.ours.translate(table, key);
  return text.isEmpty() ? QString::fromUtf8(key) : text;
}

QString localized(const char *table, const char *key, qint64 count) {
  const auto n = std::size_t(std::max<qint64>(count, 0));
  return formForCount(tables().ours, table, key, n, QLocale().toString(count));
}

QString localized(const Sentence &sentence) {
  const bool rightToLeft = stringsTableReadsRightToLeft();
  return sentence.text(
      [](const char *source, std::optional<std::size_t> count) {
        return count ? localized("CXInterfaceString", source, qint64(count.value()))
                     : localized("CXInterfaceString", source);
      },
      [rightToLeft](const QString &value) {
        return value.contains(QLatin1Char('/')) ? isolatedPath(value, rightToLeft)
                                                : isolatedName(value, rightToLeft);
      });
}

bool stringsTableReadsRightToLeft() {
  return QLocale(tables().ours.language()).textDirection() == Qt::RightToLeft;
}

QString isolatedPath(const QString &path, bool rightToLeft) {
  if (!rightToLeft || path.isEmpty()) return path;
  return QChar(0x2066) + path + QChar(0x2069);
}

QString isolatedName(const QString &name, bool rightToLeft) {
  if (!rightToLeft || name.isEmpty()) return name;
  return QChar(0x2068) + name + QChar(0x2069);
}

void reloadStringsTables(const QLocale &locale) {
  Tables &t = tables();
  const bool installed = installedIn.load() != nullptr;
  if (installed) {
    QCoreApplication::removeTranslator(&t.ours);
    QCoreApplication::removeTranslator(&t.qt);
  }
  load(t, locale);
  if (installed && QCoreApplication::instance() == installedIn.load()) install(t);
}

QString stringsTableLanguage() { return tables().ours.language(); }

bool qtTranslationsLoaded() { return !tables().qt.isEmpty(); }
