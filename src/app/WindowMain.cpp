// Entry points of the window module (see WindowModule.h).
#include <QApplication>
#include <cstdio>
#include <type_traits>

#include "app/CXAppDelegate.h"
#include "app/DesktopIdentity.h"
#include "app/ExitStatus.h"
#include "app/TerminationSignals.h"
#include "app/WindowModule.h"
#include "app/WindowStart.h"
#include "platform/DesktopNotifications.h"
#include "platform/SessionBus.h"
#include "store/CXExportStorage.h"
#include "toolkit/AccessibleFactories.h"

// Run by the backup service's failure unit: the timer's backup has no one
// watching it, so its failure is told on the desktop. Where no notification
// service answers, nothing more happens.
extern "C" __attribute__((visibility("default"))) int
orvellaExporterNotifyBackupFailureWithArguments(int &argc, char **argv, const Arguments &) {
  QCoreApplication app(argc, argv);
  QGuiApplication::setApplicationDisplayName(QStringLiteral("Orvella Exporter"));
  DesktopNotifications::Notification notification;
  notification.title = QStringLiteral("The backup of your feeds failed");
  notification.body = QStringLiteral(
      "Orvella Exporter could not back up the reader's subscriptions today, or found far fewer "
      "of them than in the backup before. \"journalctl --user -u orvella-exporter-backup\" "
      "shows what it said.");
  DesktopNotifications::deliverAndWait(notification);
  return ExitStatus::kOk;
}

extern "C" __attribute__((visibility("default"))) int orvellaExporterWindowWithArguments(
    int &argc, char **argv, const Arguments &arguments) {
  // The one feed store of the program is this module's.
  if (const std::optional<QByteArray> database = arguments.value("database")) {
    CXExportStorage::defaultManager().setDatabasePathOverride(
        std::filesystem::path(database->toStdString()));
  }
  if (const std::optional<QString> refusal =
          WindowStart::styleSheetRefusal(arguments.value("stylesheet"))) {
    std::fprintf(stderr, "%s\n", refusal->toLocal8Bit().constData());
    return ExitStatus::kUsage;
  }
  SessionBus::preventAutolaunch();
  WindowStart::reportFatalStartFailures(arguments.value("platform"));
  QApplication app(argc, argv);
  AccessibleFactories::install();
  WindowStart::started();
  QCoreApplication::setOrganizationName(QStringLiteral("Corvanex"));
  QCoreApplication::setApplicationName(QStringLiteral("OrvellaExporter"));
  DesktopIdentity::apply();
  // A signal to end ends the program as Quit does, through the event loop.
  TerminationSignals terminationSignals;
  // A read still under way (a FEEDS view without end) must not hold up the
  // quit: the store's queue is joined when the program ends.
  QObject::connect(&app, &QCoreApplication::aboutToQuit,
                   [] { CXExportStorage::defaultManager().cancelReads(); });
  CXAppDelegate delegate;
  // Launching has finished once the event loop runs; only then can the
  // hand-off alert's "Cancel" end the loop.
  QMetaObject::invokeMethod(
      &delegate, [&delegate] { delegate.applicationDidFinishLaunching(); }, Qt::QueuedConnection);
  return app.exec();
}

// Checked where the program calls them.
static_assert(std::is_same_v<decltype(orvellaExporterWindowWithArguments), ModuleEntry>);
static_assert(
    std::is_same_v<decltype(orvellaExporterNotifyBackupFailureWithArguments), ModuleEntry>);
