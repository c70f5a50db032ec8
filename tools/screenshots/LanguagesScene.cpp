// The export window, its completion view and the hand-off alert in German,
// whose texts run longest, in Japanese, whose script is another, and in
// Hebrew and Arabic, which read from the right: what a translation looks like
// in place.
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

ORVELLA_SCREENSHOT_SCENE(languages) {
  const QString database = sampleDatabase();
  CXExportStorage &storage = CXExportStorage::defaultManager();
  QTemporaryDir exports;
  Defaults::standard().setInteger(AppearanceNames::kAppearanceTypeKey, Appearance::kLight);

  for (const char *language : {"de", "ja", "he", "ar"}) {
    // Texts are looked up as the windows are made, so the windows come after.
    reloadStringsTables(QLocale(QString::fromLatin1(language)));
    const QString suffix = QStringLiteral("%1-light").arg(QLatin1String(language));
    {
      CXExportDocumentWC document;
      showLoaded(document, storage, database);
      ctx.save(QStringLiteral("export-window-") + suffix,
               onBackdrop(ScreenshotContext::grab(document.window()), false));

      const QString target =
          exports.filePath(localized("CXInterfaceString", "My Feeds") + QStringLiteral(".opml"));
      document.setSavePanelFactory([target] { return std::make_unique<FixedSavePanel>(target); });
      document.exportFeedsToOPML();
      ScreenshotContext::settle(300);
      ctx.save(QStringLiteral("export-complete-") + suffix,
               onBackdrop(ScreenshotContext::grab(document.window()), false));
      qobject_cast<CXDocumentWindow *>(document.window())->setWillClose(nullptr);
    }
    CXAppDelegate::configureSharedAlert();
    CXAlert::showAlertWithTitleInformTextButtonTitlesCompletionHandler(
        CXAppDelegate::handOffTitle(), CXAppDelegate::handOffInformText(),
        {localized("CXInterfaceString", "Continue"), localized("CXInterfaceString", "Cancel")},
        [](int) {});
    if (QWidget *panel = CXAlert::sharedAlert().window()) {
      ctx.save(QStringLiteral("handoff-alert-") + suffix,
               onBackdrop(ScreenshotContext::grab(panel), false));
      panel->close();
      ScreenshotContext::settle(10);
    }
  }
  reloadStringsTables(QLocale());
  storage.setDatabasePathOverride(std::nullopt);
  Defaults::standard().remove(AppearanceNames::kAppearanceTypeKey);
}
