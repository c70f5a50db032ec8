// The About window, offscreen: its texts and version line, the letter spacing
// of its labels, its single close button, and the restyle when the scheme
// changes.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QWidget>
#include <memory>

#include "ScreenReaderLog.h"
#include "TestSupport.h"
#include "about/CXAboutWC.h"
#include "platform/Defaults.h"
#include "platform/Localized.h"
#include "services/CXServiceFunctions.h"
#include "toolkit/CXWindowButton.h"
#include "toolkit/TitleBarButtons.h"
#include "toolkit/WindowAppearance.h"
#include "ui_About.h"

namespace {

using testsupport::useScheme;
using testsupport::waitUntil;
using TitleBarButtons::Kind;

class AboutWindow : public ::testing::Test {
 protected:
  void SetUp() override { useScheme(Appearance::kDark); }
  void TearDown() override {
    controller.reset();
    Defaults::standard().remove(AppearanceNames::kAppearanceTypeKey);
  }

  QList<CXWindowButton *> titleBarButtons() const {
    return controller->window()->findChildren<CXWindowButton *>();
  }

  QList<QLabel *> sixLabels() const {
    return {controller->madeItDarkLabel(),     controller->appNameDarklabel(),
            controller->copyrightLabel(),      controller->ingeneringDarkLabel(),
            controller->appVersionDarkLabel(), controller->reservedDarkLabel()};
  }

  std::unique_ptr<CXAboutWC> controller = std::make_unique<CXAboutWC>();
};

QStringList imageNamesOf(const CXWindowButton *b) {
  return {b->activeImage().name(), b->activeNotKeyWindowImage().name(), b->inactiveImage().name(),
          b->pressedImage().name(), b->rolloverImage().name()};
}

}  // namespace

TEST_F(AboutWindow, IsMadeOnlyWhenFirstNeeded) {
  EXPECT_FALSE(controller->isWindowLoaded());
  EXPECT_EQ(controller->madeItDarkLabel(), nullptr);
  EXPECT_EQ(controller->closeWindowButton(), nullptr);
  // A scheme notice before the window exists has nothing to restyle.
  emit CXServiceFunctions::sharedService().changes().systemAppearanceDidChange();
  EXPECT_FALSE(controller->isWindowLoaded());
  controller->showWindow(nullptr);
  EXPECT_TRUE(controller->isWindowLoaded());
  EXPECT_TRUE(controller->window()->isVisible());
}

TEST_F(AboutWindow, IsADialogNamedAfterItsTitleForAScreenReader) {
  testsupport::ScreenReaderLog log;
  controller->showWindow(nullptr);
  QAccessibleInterface *about = QAccessible::queryAccessibleInterface(controller->window());
  EXPECT_EQ(about->role(), QAccessible::Dialog);
  EXPECT_EQ(about->text(QAccessible::Name), "About Orvella Exporter");
  EXPECT_TRUE(controller->window()->windowTitle().isEmpty()) << "no title shows";
  EXPECT_FALSE(log.of(QAccessible::ObjectShow).isEmpty());
}

TEST_F(AboutWindow, ShowsTheLocalisedTextsAndTheVersionLine) {
  controller->showWindow(nullptr);
  EXPECT_EQ(controller->madeItDarkLabel()->text(), localized("InfoPlist", "Made in Ukraine"));
  EXPECT_EQ(controller->appNameDarklabel()->text(), QStringLiteral("Orvella Exporter"));
  EXPECT_EQ(controller->reservedDarkLabel()->text(), localized("InfoPlist", "Reserved"));
  EXPECT_NE(controller->reservedDarkLabel()->text(), QStringLiteral("Reserved"))
      << "the strings table has an entry for it";
  EXPECT_EQ(controller->appVersionDarkLabel()->text(),
            QStringLiteral("Version %1 (%2)").arg(ORVELLA_VERSION, ORVELLA_BUILD_NUMBER));

  // The two credit lines keep the text of the window's design.
  QWidget plain;
  Ui::About design;
  design.setupUi(&plain);
  EXPECT_EQ(controller->copyrightLabel()->text(), design.copyrightLabel->text());
  EXPECT_EQ(controller->ingeneringDarkLabel()->text(), design.ingeneringDarkLabel->text());
  EXPECT_FALSE(controller->copyrightLabel()->text().isEmpty());
}

TEST(AboutVersionLine, FillsTheShortVersionFirstAndTheBuildSecond) {
  EXPECT_EQ(CXAboutWC::versionLine(localized("InfoPlist", "Version"), "1.2", "345"),
            QStringLiteral("Version 1.2 (345)"));
  // A table that puts the build first still gets each value in its place.
  EXPECT_EQ(CXAboutWC::versionLine("Build %2 of %1", "1.2", "345"),
            QStringLiteral("Build 345 of 1.2"));
  // A version that happens to hold a place marker is not filled in again.
  EXPECT_EQ(CXAboutWC::versionLine("Version %1 (%2)", "1.%2", "345"),
            QStringLiteral("Version 1.%2 (345)"));
  // A missing entry shows its key, without numbers.
  EXPECT_EQ(CXAboutWC::versionLine("Version", "1.2", "345"), QStringLiteral("Version"));
  EXPECT_EQ(CXAboutWC::shortVersionString(), QStringLiteral(ORVELLA_VERSION));
  EXPECT_EQ(CXAboutWC::bundleVersion(), QStringLiteral(ORVELLA_BUILD_NUMBER));
}

TEST_F(AboutWindow, AllSixLabelsCarryTheSpacingAndKeepTheirDesignedFont) {
  controller->showWindow(nullptr);
  QWidget plain;
  Ui::About design;
  design.setupUi(&plain);
  const QList<QLabel *> designed = {design.madeItDarkLabel,     design.appNameDarklabel,
                                    design.copyrightLabel,      design.ingeneringDarkLabel,
                                    design.appVersionDarkLabel, design.reservedDarkLabel};
  const QList<QLabel *> labels = sixLabels();
  for (int i = 0; i < labels.size(); ++i) {
    SCOPED_TRACE(labels[i]->objectName().toStdString());
    const QFont font = labels[i]->font();
    EXPECT_EQ(font.letterSpacingType(), QFont::AbsoluteSpacing);
    EXPECT_DOUBLE_EQ(font.letterSpacing(), 0.25);
    EXPECT_EQ(font.family(), designed[i]->font().family());
    EXPECT_EQ(font.pointSizeF(), designed[i]->font().pointSizeF());
    EXPECT_EQ(font.weight(), designed[i]->font().weight());
  }

  // A restyle replaces the palette and style sheet but not the spacing.
  useScheme(Appearance::kLight);
  emit CXServiceFunctions::sharedService().changes().systemAppearanceDidChange();
  for (QLabel *label : sixLabels()) {
    EXPECT_DOUBLE_EQ(label->font().letterSpacing(), 0.25) << label->objectName().toStdString();
  }
}

TEST_F(AboutWindow, TakesTheSchemeInForceWhenFirstShown) {
  for (std::uint64_t appearance : {Appearance::kDark, Appearance::kLight}) {
    SCOPED_TRACE(appearance);
    useScheme(appearance);
    controller = std::make_unique<CXAboutWC>();
    controller->showWindow(nullptr);
    const bool dark = appearance == Appearance::kDark;
    const QString name = dark ? NSAppearanceNameVibrantDark : NSAppearanceNameVibrantLight;
    EXPECT_EQ(WindowAppearance::name(controller->window()), name);
    EXPECT_EQ(WindowAppearance::name(controller->vibrancyView()), name);
    EXPECT_EQ(
        imageNamesOf(controller->closeWindowButton()),
        TitleBarButtons::imageNames(Kind::Close, dark ? ColorScheme::Dark : ColorScheme::Light));
    EXPECT_EQ(controller->closeWindowButton()->reloadCount(), 0);
    // The watcher is told which scheme is on screen, so it does not announce it.
    EXPECT_EQ(CXServiceFunctions::sharedService().lastChoosenAppearance(), appearance);
  }
}

TEST_F(AboutWindow, HasOnlyTheCustomCloseButtonInItsTitleStrip) {
  controller->showWindow(nullptr);
  QWidget *window = controller->window();
  EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_TRUE(window->windowTitle().isEmpty());
  EXPECT_FALSE(window->testAttribute(Qt::WA_QuitOnClose));

  const QList<CXWindowButton *> buttons = titleBarButtons();
  ASSERT_EQ(buttons.size(), 1);
  CXWindowButton *close = buttons.first();
  EXPECT_EQ(close, controller->closeWindowButton());
  EXPECT_EQ(close->parentWidget(), controller->generalControlsView());
  EXPECT_EQ(close->groupIdentifier(), QStringLiteral("groupAbout"));
  EXPECT_EQ(close->frame(), QRectF(8, 12, 12, 12));
  EXPECT_EQ(close->target(), window);
  EXPECT_EQ(close->action(), CXWindowButton::PerformClose);
  // Bottom-left coordinates: 12 up from the strip's bottom edge.
  const int stripHeight = controller->generalControlsView()->height();
  EXPECT_EQ(close->geometry(), QRect(8, stripHeight - 24, 12, 12));

  // The platform's controls are hidden; the close control still tells
  // assistive technology what it is.
  for (auto kind : {CXAboutWC::StandardButton::Close, CXAboutWC::StandardButton::Minimize,
                    CXAboutWC::StandardButton::Zoom}) {
    QAbstractButton *standard = controller->standardWindowButton(kind);
    ASSERT_NE(standard, nullptr);
    EXPECT_FALSE(standard->isVisible());
  }
  QAbstractButton *standardClose =
      controller->standardWindowButton(CXAboutWC::StandardButton::Close);
  EXPECT_EQ(standardClose->accessibleDescription(), QStringLiteral("close button"));
  EXPECT_EQ(standardClose->property("accessibilitySubrole").toString(),
            QStringLiteral("AXCloseButton"));

  // The close button hides the window; the controller and its window remain.
  close->click();
  EXPECT_FALSE(window->isVisible());
  controller->showWindow(nullptr);
  EXPECT_TRUE(window->isVisible());
}

TEST_F(AboutWindow, ShowingAgainReusesTheWindowAndItsOneCloseButton) {
  controller->showWindow(nullptr);
  QPointer<QWidget> first = controller->window();
  QPointer<CXWindowButton> button = controller->closeWindowButton();
  controller->window()->close();
  controller->showWindow(nullptr);
  controller->showWindow(nullptr);
  EXPECT_EQ(controller->window(), first.data());
  EXPECT_EQ(controller->closeWindowButton(), button.data());
  EXPECT_EQ(titleBarButtons().size(), 1);

  // It also still registered for the scheme only once: one notice, one reload.
  emit CXServiceFunctions::sharedService().changes().systemAppearanceDidChange();
  EXPECT_EQ(button->reloadCount(), 1);
}

TEST_F(AboutWindow, RestylesWhenTheSystemSchemeChanges) {
  controller->showWindow(nullptr);
  CXWindowButton *close = controller->closeWindowButton();
  const QPalette::ColorRole role = QPalette::Window;
  const QColor darkWindow = controller->vibrancyView()->palette().color(role);

  useScheme(Appearance::kLight);
  CXServiceFunctions::sharedService().setLastChoosenAppearance(Appearance::kDark);
  emit CXServiceFunctions::sharedService().changes().systemAppearanceDidChange();
  EXPECT_EQ(WindowAppearance::name(controller->window()), NSAppearanceNameVibrantLight);
  EXPECT_EQ(WindowAppearance::name(controller->vibrancyView()), NSAppearanceNameVibrantLight);
  EXPECT_NE(controller->vibrancyView()->palette().color(role), darkWindow);
  EXPECT_EQ(imageNamesOf(close), TitleBarButtons::imageNames(Kind::Close, ColorScheme::Light));
  EXPECT_EQ(close->reloadCount(), 1);
  // The switch leaves the watcher's record alone.
  EXPECT_EQ(CXServiceFunctions::sharedService().lastChoosenAppearance(), Appearance::kDark);

  // An unchanged scheme is applied in full again.
  emit CXServiceFunctions::sharedService().changes().systemAppearanceDidChange();
  EXPECT_EQ(close->reloadCount(), 2);
  EXPECT_EQ(imageNamesOf(close), TitleBarButtons::imageNames(Kind::Close, ColorScheme::Light));

  useScheme(Appearance::kDark);
  emit CXServiceFunctions::sharedService().changes().systemAppearanceDidChange();
  EXPECT_EQ(WindowAppearance::name(controller->window()), NSAppearanceNameVibrantDark);
  EXPECT_EQ(imageNamesOf(close), TitleBarButtons::imageNames(Kind::Close, ColorScheme::Dark));
  EXPECT_EQ(close->reloadCount(), 3);
}

TEST_F(AboutWindow, StopsFollowingTheSchemeOnceDestroyed) {
  controller->showWindow(nullptr);
  QPointer<QWidget> window = controller->window();
  controller.reset();
  ASSERT_TRUE(window.isNull());
  // A window still called after it went would touch freed memory here; the
  // sanitizer build turns that into a failure.
  int heard = 0;
  AppearanceChanges &changes = CXServiceFunctions::sharedService().changes();
  const auto probe = QObject::connect(&changes, &AppearanceChanges::systemAppearanceDidChange,
                                      [&heard] { ++heard; });
  emit changes.systemAppearanceDidChange();
  QObject::disconnect(probe);
  EXPECT_EQ(heard, 1);
}

TEST_F(AboutWindow, EscapeClosesItAndItsEdgeShowsOnAnyDesktop) {
  for (std::uint64_t scheme : {Appearance::kLight, Appearance::kDark}) {
    useScheme(scheme);
    controller = std::make_unique<CXAboutWC>();
    controller->showWindow();
    QWidget *window = controller->window();
    ASSERT_TRUE(waitUntil([&] { return window->isActiveWindow(); }));
    const QImage image = window->grab().toImage();
    const QColor edge = image.pixelColor(0, image.height() / 2);
    const QColor inside = image.pixelColor(4, image.height() / 2);
    if (scheme == Appearance::kLight) {
      EXPECT_LE(edge.lightness(), 200) << "seen against a white desktop";
    }
    EXPECT_GE(std::abs(edge.lightness() - inside.lightness()), 15) << "scheme " << scheme;
    EXPECT_EQ(controller->closeWindowButton()->accessibleName(), "Close");

    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible()) << "scheme " << scheme;
  }
}
