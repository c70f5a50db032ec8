#include <QApplication>

#include "app/CommandLine.h"
#include "window/CXExportDocumentWC.h"

int main(int argc, char **argv) {
  // The command-line modes run without a display; they return a status.
  // A --database given without them has already been applied to the store.
  if (std::optional<int> status = runCommandLine(argc, argv)) {
    return *status;
  }
  QApplication app(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("Corvanex"));
  QCoreApplication::setApplicationName(QStringLiteral("OrvellaExporter"));
  CXExportDocumentWC document;
  document.showWindow();
  return app.exec();
}
