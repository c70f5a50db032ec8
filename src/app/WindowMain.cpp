// Entry point of the window module (see WindowModule.h).
#include <QApplication>
#include <csignal>
#include <cstdio>
#include <type_traits>

#include "app/CXAppDelegate.h"
#include "app/DesktopIdentity.h"
#include "app/ExitStatus.h"
#include "app/TerminationSignals.h"
#include "app/WindowModule.h"
#include "app/WindowStart.h"
#include "platform/SessionBus.h"
#include "store/CXExportStorage.h"
#include "toolkit/AccessibleFactories.h"

extern "C" __attribute__((visibility("default"))) int orvellaExporterWindowMainWithOptions(
    int &argc, char **argv, const ProgramOptions &options) {
  // The one feed store of the program is this module's.
  if (options.database) {
    CXExportStorage::defaultManager().setDatabasePathOverride(
        std::filesystem::path(options.database->toStdString()));
  }
  if (const std::optional<QString> refusal = WindowStart::styleSheetRefusal(options.styleSheet)) {
    std::fprintf(stderr, "%s\n", refusal->toLocal8Bit().constData());
    return ExitStatus::kUsage;
  }
  SessionBus::preventAutolaunch();
  WindowStart::reportFatalStartFailures(options.platform);
  QApplication app(argc, argv);
  AccessibleFactories::install();
  WindowStart::started();
  QCoreApplication::setOrganizationName(QStringLiteral("Corvanex"));
  QCoreApplication::setApplicationName(QStringLiteral("OrvellaExporter"));
  DesktopIdentity::apply();
  // A signal to end ends the program as Quit does, through the event loop.
  TerminationSignals terminationSignals({SIGTERM, SIGINT, SIGHUP});
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

// Checked where the program calls it.
static_assert(std::is_same_v<decltype(orvellaExporterWindowMainWithOptions), WindowEntry>);
