// The export window, its completion view, the hand-off alert and About with
// the desktop's font at 18 points, as a user who needs large text sets it:
// every text grows with it, and none is cut.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>

#include "Screenshot.h"
#include "app/CXAppDelegate.h"
#include "export/CXExportListVC.h"
#include "platform/Defaults.h"
#include "platform/Localized.h"
#include "services/AppearanceNames.h"
#include "store/CXExportStorage.h"
#include "toolkit/CXAlert.h"
#include "window/CXDocumentWindow.h"
#include "window/CXExportDocumentWC.h"

namespace {

class FixedSavePanel : public SavePanel {
 public:
  explicit FixedSavePanel(QString path) : path_(std::move(path)) {}
  std::optional<QString> runModal(QWidget *) override { return path_; }

 private:
  QString path_;
};

}  // namespace

ORVELLA_SCREENSHOT_SCENE(large_font) {
  const QStringList args = QCoreApplication::arguments();
  const QDir outDir(args.size() > 1 ? args.at(1) : QDir::currentPath());
  const QString database =
      QDir::cleanPath(outDir.absoluteFilePath(QStringLiteral("../sample/Feeds")));
  CXExportStorage &storage = CXExportStorage::defaultManager();
  QTemporaryDir exports;
  const QFont usual = QApplication::font();
  QFont large = usual;
  large.setPointSize(18);
  QApplication::setFont(large);

  for (bool dark : {false, true}) {
    Defaults::standard().setInteger(AppearanceNames::kAppearanceTypeKey,
                                    dark ? Appearance::kDark : Appearance::kLight);
    const QString suffix = QStringLiteral("18pt-") + schemeName(dark);
    {
      CXExportDocumentWC document;
      storage.setDatabasePathOverride(std::filesystem::path(database.toStdString()));
      document.showWindow();
      for (int i = 0;
           i < 500 && document.exportListVC()->loadState() != CXExportListVC::LoadState::Loaded;
           ++i)
        ScreenshotContext::settle(10);
      ScreenshotContext::settle(40);
      ctx.save(QStringLiteral("export-window-") + suffix,
               onBackdrop(ScreenshotContext::grab(document.window()), dark));
      const QString target = exports.filePath(QStringLiteral("My Feeds.opml"));
      document.setSavePanelFactory([target] { return std::make_unique<FixedSavePanel>(target); });
      document.exportFeedsToOPML();
      ScreenshotContext::settle(300);
      ctx.save(QStringLiteral("export-complete-") + suffix,
               onBackdrop(ScreenshotContext::grab(document.window()), dark));
      qobject_cast<CXDocumentWindow *>(document.window())->setWillClose(nullptr);
    }
    CXAppDelegate::configureSharedAlert();
    CXAlert::sharedAlert().setAlertAppearance(dark ? 1 : 2);
    CXAlert::showAlertWithTitleInformTextButtonTitlesCompletionHandler(
        CXAppDelegate::handOffTitle(), CXAppDelegate::handOffInformText(),
        {localized("CXInterfaceString", "Continue"), localized("CXInterfaceString", "Cancel")},
        [](int) {});
    if (QWidget *panel = CXAlert::sharedAlert().window()) {
      ctx.save(QStringLiteral("handoff-alert-") + suffix,
               onBackdrop(ScreenshotContext::grab(panel), dark));
      panel->close();
      ScreenshotContext::settle(10);
    }
  }
  QApplication::setFont(usual);
  storage.setDatabasePathOverride(std::nullopt);
  Defaults::standard().remove(AppearanceNames::kAppearanceTypeKey);
}
