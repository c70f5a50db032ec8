// The reader hand-off alert, styled as the program styles it at launch.
#include <QColor>
#include <QWidget>

#include "Screenshot.h"
#include "toolkit/CXAlert.h"

ORVELLA_SCREENSHOT_SCENE(alert) {
  CXAlert &alert = CXAlert::sharedAlert();
  alert.setTitleSettings(
      {{"fontName", "HelveticaNeue-Medium"}, {"fontSize", 13}, {"fontKern", 0.5}});
  alert.setInformSettings(
      {{"fontName", "HelveticaNeue-Light"}, {"fontSize", 12}, {"fontKern", 0.5}});
  alert.setButtonsSettings(
      {QVariantMap{{"offColor", QColor(255, 129, 0)},
                   {"hoverColor", QColor(215, 109, 0)},
                   {"pressedColor", QColor(245, 119, 0)},
                   {"kern", 0.5},
                   {"fontName", "HelveticaNeue-Light"},
                   {"fontSize", 13}},
       QVariantMap{{"kern", 0.5}, {"fontName", "HelveticaNeue-Light"}, {"fontSize", 13}}});
  for (bool dark : {true, false}) {
    alert.setAlertAppearance(dark ? 1 : 0);
    CXAlert::showAlertWithTitleInformTextButtonTitlesCompletionHandler(
        QStringLiteral("Orvella cannot be open during export"),
        QStringLiteral(
            "Click Continue to quit Orvella. The application will open when the export is "
            "complete"),
        {QStringLiteral("Continue"), QStringLiteral("Cancel")}, [](int) {});
    QWidget *panel = alert.window();
    if (!panel) continue;
    ctx.save(QStringLiteral("alert-%1").arg(schemeName(dark)),
             onBackdrop(ScreenshotContext::grab(panel), dark));
    panel->close();  // answers with the last button
    ScreenshotContext::settle(10);
  }
}
