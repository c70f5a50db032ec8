// The hand-off alert exactly as the launch shows it when the reader runs: the
// shared alert styled by the application delegate, its localised texts, in
// both schemes.
#include <QWidget>

#include "Screenshot.h"
#include "app/CXAppDelegate.h"
#include "platform/Defaults.h"
#include "platform/Localized.h"
#include "services/AppearanceNames.h"
#include "toolkit/CXAlert.h"

ORVELLA_SCREENSHOT_SCENE(handoff_alert) {
  for (bool dark : {true, false}) {
    Defaults::standard().setInteger(AppearanceNames::kAppearanceTypeKey,
                                    dark ? Appearance::kDark : Appearance::kLight);
    CXAppDelegate::configureSharedAlert();
    CXAlert::showAlertWithTitleInformTextButtonTitlesCompletionHandler(
        CXAppDelegate::handOffTitle(), CXAppDelegate::handOffInformText(),
        {localized("CXInterfaceString", "Continue"), localized("CXInterfaceString", "Cancel")},
        [](int) {});
    QWidget *panel = CXAlert::sharedAlert().window();
    if (!panel) continue;
    ctx.save(QStringLiteral("handoff-alert-%1").arg(schemeName(dark)),
             onBackdrop(ScreenshotContext::grab(panel), dark));
    panel->close();  // answers with the last button
    ScreenshotContext::settle(10);
  }
  Defaults::standard().remove(AppearanceNames::kAppearanceTypeKey);
}
