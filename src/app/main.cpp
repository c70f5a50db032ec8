#include <QApplication>
#include <csignal>

#include "app/CXAppDelegate.h"
#include "app/CommandLine.h"
#include "app/DesktopIdentity.h"
#include "app/TerminationSignals.h"

int main(int argc, char **argv) {
  // The command-line modes run without a display; they return a status.
  // A --database given without them has already been applied to the store.
  // They never look for the reader: a script that exports must not quit it.
  if (std::optional<int> status = runCommandLine(argc, argv)) {
    return *status;
  }
  QApplication app(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("Corvanex"));
  QCoreApplication::setApplicationName(QStringLiteral("OrvellaExporter"));
  DesktopIdentity::apply();
  // A signal to end ends the program as Quit does, through the event loop.
  TerminationSignals terminationSignals({SIGTERM, SIGINT, SIGHUP});
  CXAppDelegate delegate;
  // Launching has finished once the event loop runs; only then can the
  // hand-off alert's "Cancel" end the loop.
  QMetaObject::invokeMethod(
      &delegate, [&delegate] { delegate.applicationDidFinishLaunching(); }, Qt::QueuedConnection);
  return app.exec();
}
