// The export window, its completion view and the hand-off alert with the
// desktop's font at 18 points, as a user who needs large text sets it: every
// text grows with it, and none is cut.
#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>

#include "SceneWindows.h"
#include "Screenshot.h"
#include "app/CXAppDelegate.h"
#include "platform/Defaults.h"
#include "platform/Localized.h"
#include "services/AppearanceNames.h"
#include "store/CXExportStorage.h"
#include "toolkit/CXAlert.h"
#include "window/CXDocumentWindow.h"
#include "window/CXExportDocumentWC.h"

ORVELLA_SCREENSHOT_SCENE(large_font) {
  const QString database = sampleDatabase();
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
      showLoaded(document, storage, database);
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
