// The About window in both schemes, as the About command shows it.
#include <QWidget>

#include "Screenshot.h"
#include "about/CXAboutWC.h"
#include "platform/Defaults.h"
#include "services/AppearanceNames.h"

ORVELLA_SCREENSHOT_SCENE(about_window) {
  for (bool dark : {true, false}) {
    Defaults::standard().setInteger(AppearanceNames::kAppearanceTypeKey,
                                    dark ? Appearance::kDark : Appearance::kLight);
    CXAboutWC about;
    about.showWindow(nullptr);
    ScreenshotContext::settle(40);
    ctx.save(QStringLiteral("about-%1").arg(schemeName(dark)),
             onBackdrop(ScreenshotContext::grab(about.window()), dark));
  }
  Defaults::standard().remove(AppearanceNames::kAppearanceTypeKey);
}
