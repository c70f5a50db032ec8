#include "Localized.h"

#include <QCoreApplication>
#include <QThread>
#include <QTranslator>
#include <atomic>
#include <mutex>

namespace {

// The compiled strings tables, embedded in the program by the build.
constexpr auto kTablesFile = ":/i18n/orvella_en.qm";

QTranslator *tables() {
  static QTranslator *const translator = [] {
    // Never deleted: QCoreApplication keeps a pointer to it once installed.
    auto *t = new QTranslator;
    if (!t->load(QString::fromLatin1(kTablesFile))) {
      qWarning(
          "The program's strings tables are missing from its resources; texts show their "
          "keys. Rebuild the program to embed them.");
    }
    return t;
  }();
  return translator;
}

std::atomic<QCoreApplication *> installedIn{nullptr};

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
    QCoreApplication::installTranslator(tables());
    installedIn = app;
  }
}

}  // namespace

QString localized(const char *table, const char *key) {
  QTranslator *translator = tables();
  installIfPossible();
  if (installedIn.load() == QCoreApplication::instance() && installedIn.load() != nullptr) {
    return QCoreApplication::translate(table, key);
  }
  // No application object yet, or a background thread before the main thread
  // asked: look in the tables directly.
  const QString text = translator->translate(table, key);
  return text.isEmpty() ? QString::fromUtf8(key) : text;
}
