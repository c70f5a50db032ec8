#include "SceneWindows.h"

#include <QCoreApplication>
#include <QDir>
#include <filesystem>

#include "Screenshot.h"
#include "export/CXExportListVC.h"
#include "store/CXExportStorage.h"
#include "window/CXExportDocumentWC.h"

QString sampleDatabase() {
  const QStringList args = QCoreApplication::arguments();
  const QDir outDir(args.size() > 1 ? args.at(1) : QDir::currentPath());
  return QDir::cleanPath(outDir.absoluteFilePath(QStringLiteral("../sample/Feeds")));
}

void showLoaded(CXExportDocumentWC &document, CXExportStorage &storage, const QString &database) {
  storage.setDatabasePathOverride(std::filesystem::path(database.toStdString()));
  document.showWindow();
  for (int i = 0; i < 500; ++i) {
    const auto state = document.exportListVC()->loadState();
    if (state != CXExportListVC::LoadState::NotStarted &&
        state != CXExportListVC::LoadState::Reading)
      break;
    ScreenshotContext::settle(10);
  }
  ScreenshotContext::settle(40);
}
