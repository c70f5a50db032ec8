// Custom title-bar buttons: the image each state shows, the group rollover,
// placement in bottom-left coordinates, the actions, and the title-bar rule.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <memory>

#include "TestSupport.h"
#include "toolkit/CXWindowButton.h"
#include "toolkit/TitleBarButtons.h"
#include "toolkit/WindowAppearance.h"

namespace {

using testsupport::waitUntil;
using TitleBarButtons::Kind;

// A window with a title-bar holder and the three buttons of the export window.
struct TitleBarWindow {
  explicit TitleBarWindow(const QString &appearance, const QString &group = "groupDoc") {
    window = std::make_unique<QWidget>();
    window->resize(300, 200);
    if (!appearance.isEmpty()) WindowAppearance::set(window.get(), appearance);
    controls = new QWidget(window.get());
    controls->setGeometry(0, 0, 300, 30);
    close = TitleBarButtons::createButton(Kind::Close, window.get(), controls, group, {8, 2});
    minimize =
        TitleBarButtons::createButton(Kind::Minimize, window.get(), controls, group, {28, 2});
    zoom = TitleBarButtons::createButton(Kind::Zoom, window.get(), controls, group, {48, 2});
  }
  void showActive() {
    window->show();
    window->activateWindow();
    waitUntil([&] { return window->isActiveWindow(); });
  }
  std::unique_ptr<QWidget> window;
  QWidget *controls = nullptr;
  CXWindowButton *close = nullptr;
  CXWindowButton *minimize = nullptr;
  CXWindowButton *zoom = nullptr;
};

QString shown(const CXWindowButton *b) { return b->currentImage().name(); }

void enter(QWidget *w) {
  const QPointF local(w->width() / 2.0, w->height() / 2.0);
  QEnterEvent event(local, local, w->mapToGlobal(local));
  QApplication::sendEvent(w, &event);
}

void leaveTo(QWidget *w, QPoint global) {
  QCursor::setPos(global);
  QEvent event(QEvent::Leave);
  QApplication::sendEvent(w, &event);
}

TEST(TitleBarRuleTest, CreatesPlacesAndImagesButtonsForTheWindowScheme) {
  TitleBarWindow dark(NSAppearanceNameVibrantDark);
  EXPECT_EQ(dark.close->activeImage().name(), "CloseDefaultSingleForDark");
  for (CXWindowButton *b : {dark.close, dark.minimize, dark.zoom}) {
    EXPECT_EQ(b->activeNotKeyWindowImage().name(), "InactiveDefaultSingleForDark");
    EXPECT_EQ(b->inactiveImage().name(), "DisabledDefaultSingleForDark");
    EXPECT_EQ(b->groupIdentifier(), "groupDoc");
    EXPECT_EQ(b->parentWidget(), dark.controls);
    EXPECT_EQ(b->target(), dark.window.get());
    EXPECT_EQ(b->reloadCount(), 0) << "creation does not reload";
  }
  EXPECT_EQ(dark.minimize->pressedImage().name(), "MinPressedSingleForDark");
  EXPECT_EQ(dark.zoom->rolloverImage().name(), "ZoomHoverSingleForDark");
  EXPECT_EQ(dark.close->action(), CXWindowButton::PerformClose);
  EXPECT_EQ(dark.minimize->action(), CXWindowButton::PerformMiniaturize);
  EXPECT_EQ(dark.zoom->action(), CXWindowButton::PerformZoom);

  // Frames are kept as given, bottom-left based: y 2 in a 30-high holder is
  // Qt's y 30 - 2 - 12 = 16.
  EXPECT_EQ(dark.minimize->frame(), QRectF(28, 2, 12, 12));
  EXPECT_EQ(dark.close->geometry(), QRect(8, 16, 12, 12));
  EXPECT_EQ(dark.zoom->geometry(), QRect(48, 16, 12, 12));
  // and stay put relative to the bottom edge when the holder grows.
  dark.window->show();
  dark.controls->resize(300, 40);
  EXPECT_EQ(dark.close->geometry(), QRect(8, 26, 12, 12));

  TitleBarWindow plain(QString(), "groupAbout");
  EXPECT_EQ(plain.close->activeImage().name(), "CloseDefaultSingleForLight")
      << "a window without an appearance gets the light images";
}

TEST(TitleBarRuleTest, ButtonWithoutHolderIsNeverShown) {
  QWidget window;
  std::unique_ptr<CXWindowButton> button(
      TitleBarButtons::createButton(Kind::Close, &window, nullptr, "groupAbout", {8, 12}));
  window.show();
  EXPECT_EQ(button->parentWidget(), nullptr);
  EXPECT_FALSE(button->isVisible());
  EXPECT_EQ(button->frame(), QRectF(8, 12, 12, 12));
}

TEST(TitleBarRuleTest, ReimagingSwapsAllImagesAndReloadsEachButtonOnceInOrder) {
  TitleBarWindow w(NSAppearanceNameVibrantDark);
  QStringList reloads;
  QObject::connect(w.close, &CXWindowButton::imagesReloaded, [&] { reloads << "close"; });
  QObject::connect(w.minimize, &CXWindowButton::imagesReloaded, [&] { reloads << "min"; });
  QObject::connect(w.zoom, &CXWindowButton::imagesReloaded, [&] { reloads << "zoom"; });

  WindowAppearance::set(w.window.get(), NSAppearanceNameVibrantLight);
  const ColorScheme scheme = WindowAppearance::scheme(w.window.get());
  TitleBarButtons::reimage(w.close, Kind::Close, scheme);
  TitleBarButtons::reimage(w.minimize, Kind::Minimize, scheme);
  TitleBarButtons::reimage(w.zoom, Kind::Zoom, scheme);

  EXPECT_EQ(reloads, QStringList({"close", "min", "zoom"}));
  const std::pair<CXWindowButton *, Kind> buttons[] = {
      {w.close, Kind::Close}, {w.minimize, Kind::Minimize}, {w.zoom, Kind::Zoom}};
  for (auto [b, kind] : buttons) {
    const QStringList names = {b->activeImage().name(), b->activeNotKeyWindowImage().name(),
                               b->inactiveImage().name(), b->pressedImage().name(),
                               b->rolloverImage().name()};
    EXPECT_EQ(names, TitleBarButtons::imageNames(kind, ColorScheme::Light));
    for (const QString &n : names) EXPECT_TRUE(n.endsWith("ForLight")) << n.toStdString();
    EXPECT_EQ(b->reloadCount(), 1);
    EXPECT_EQ(b->groupIdentifier(), "groupDoc");
  }
  EXPECT_EQ(w.close->frame(), QRectF(8, 2, 12, 12));

  // Re-imaging with the scheme unchanged sets the same names and reloads again.
  TitleBarButtons::reimage(w.close, Kind::Close, ColorScheme::Light);
  EXPECT_EQ(w.close->activeImage().name(), "CloseDefaultSingleForLight");
  EXPECT_EQ(w.close->reloadCount(), 2);

  TitleBarButtons::reimage(nullptr, Kind::Zoom, ColorScheme::Dark);  // buttons never made: nothing
}

TEST(WindowButtonTest, ShowsTheImageOfItsState) {
  TitleBarWindow w(NSAppearanceNameVibrantDark);
  w.showActive();
  ASSERT_TRUE(w.window->isActiveWindow());
  EXPECT_EQ(shown(w.close), "CloseDefaultSingleForDark");
  EXPECT_EQ(shown(w.zoom), "ZoomDefaultSingleForDark");

  // Pressed while the mouse button is down on it.
  enter(w.minimize);
  QTest::mousePress(w.minimize, Qt::LeftButton, {}, QPoint(6, 6));
  EXPECT_EQ(shown(w.minimize), "MinPressedSingleForDark");
  EXPECT_EQ(shown(w.close), "CloseHoverSingleForDark")
      << "the pointer is over the group, so its neighbours show rollover";
  w.minimize->setAction(CXWindowButton::NoAction);  // keep the window up for the rest
  QTest::mouseRelease(w.minimize, Qt::LeftButton, {}, QPoint(6, 6));
  EXPECT_EQ(shown(w.minimize), "MinHoverSingleForDark");
  leaveTo(w.minimize, QPoint(-500, -500));
  EXPECT_EQ(shown(w.minimize), "MinDefaultSingleForDark");

  // Disabled wins over everything else.
  w.zoom->setEnabled(false);
  EXPECT_EQ(shown(w.zoom), "DisabledDefaultSingleForDark");
  enter(w.zoom);
  EXPECT_EQ(shown(w.zoom), "DisabledDefaultSingleForDark");
  leaveTo(w.zoom, QPoint(-500, -500));
  w.zoom->setEnabled(true);

  // Another window becomes key: all three show the shared not-key image.
  QWidget other;
  other.resize(100, 100);
  other.show();
  other.activateWindow();
  ASSERT_TRUE(waitUntil([&] { return !w.window->isActiveWindow(); }));
  for (CXWindowButton *b : {w.close, w.minimize, w.zoom})
    EXPECT_EQ(shown(b), "InactiveDefaultSingleForDark");
  // Hovering a not-key window's buttons still reveals what they do.
  enter(w.close);
  EXPECT_EQ(shown(w.close), "CloseHoverSingleForDark");
  leaveTo(w.close, QPoint(-500, -500));
}

TEST(WindowButtonTest, NullImagesDrawNothingAndLeaveOtherStatesAlone) {
  TitleBarWindow w(NSAppearanceNameVibrantLight);
  w.close->setRolloverImage(imageNamed("NoSuchImage"));
  EXPECT_TRUE(w.close->rolloverImage().isNull());
  EXPECT_EQ(w.close->activeImage().name(), "CloseDefaultSingleForLight");
  w.showActive();
  enter(w.close);
  EXPECT_TRUE(w.close->currentImage().isNull());
  const QImage pixels = w.close->grab().toImage();
  EXPECT_EQ(pixels.pixelColor(6, 6), w.controls->grab().toImage().pixelColor(14, 22))
      << "nothing is drawn over the holder's background";
  leaveTo(w.close, QPoint(-500, -500));
}

TEST(WindowButtonTest, RolloverIsSharedByTheGroupWithinOneWindowOnly) {
  TitleBarWindow w(NSAppearanceNameVibrantLight);
  // A button of another group in the same window, and the same group in another window.
  CXWindowButton *stranger = TitleBarButtons::createButton(Kind::Close, w.window.get(), w.controls,
                                                           "groupOther", {200, 2});
  TitleBarWindow second(NSAppearanceNameVibrantLight);
  w.showActive();
  second.window->show();

  enter(w.zoom);
  EXPECT_EQ(shown(w.close), "CloseHoverSingleForLight");
  EXPECT_EQ(shown(w.minimize), "MinHoverSingleForLight");
  EXPECT_EQ(shown(w.zoom), "ZoomHoverSingleForLight");
  EXPECT_FALSE(stranger->isRolloverShown());
  EXPECT_FALSE(second.close->isRolloverShown());

  // Crossing the gap between two buttons keeps the group lit ...
  const QPoint gap = w.controls->mapToGlobal(QPoint(24, 22));
  leaveTo(w.zoom, gap);
  EXPECT_TRUE(w.close->isRolloverShown());
  QMouseEvent inGap(QEvent::MouseMove, QPointF(24, 22), QPointF(gap), Qt::NoButton, Qt::NoButton,
                    Qt::NoModifier);
  QApplication::sendEvent(w.controls, &inGap);
  EXPECT_TRUE(w.minimize->isRolloverShown());
  // ... and moving away from the group ends it for all.
  const QPoint away = w.controls->mapToGlobal(QPoint(150, 22));
  QMouseEvent outside(QEvent::MouseMove, QPointF(150, 22), QPointF(away), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(w.controls, &outside);
  for (CXWindowButton *b : {w.close, w.minimize, w.zoom}) EXPECT_FALSE(b->isRolloverShown());

  enter(w.close);
  leaveTo(w.close, QPoint(-500, -500));
  for (CXWindowButton *b : {w.close, w.minimize, w.zoom})
    EXPECT_EQ(shown(b), TitleBarButtons::imageNames(b == w.close      ? Kind::Close
                                                    : b == w.minimize ? Kind::Minimize
                                                                      : Kind::Zoom,
                                                    ColorScheme::Light)
                            .at(0));
}

TEST(WindowButtonTest, ClickActsOnTheTargetWindow) {
  TitleBarWindow w(NSAppearanceNameVibrantDark);
  w.showActive();
  QTest::mouseClick(w.zoom, Qt::LeftButton, {}, QPoint(6, 6));
  EXPECT_TRUE(waitUntil([&] { return w.window->isMaximized(); }));
  QTest::mouseClick(w.zoom, Qt::LeftButton, {}, QPoint(6, 6));
  EXPECT_TRUE(waitUntil([&] { return !w.window->isMaximized(); }));

  QTest::mouseClick(w.minimize, Qt::LeftButton, {}, QPoint(6, 6));
  EXPECT_TRUE(waitUntil([&] { return w.window->isMinimized(); }));
  w.window->showNormal();

  QTest::mouseClick(w.close, Qt::LeftButton, {}, QPoint(6, 6));
  EXPECT_TRUE(waitUntil([&] { return !w.window->isVisible(); }));

  // A click on a disabled button does nothing.
  w.window->show();
  w.close->setEnabled(false);
  QTest::mouseClick(w.close, Qt::LeftButton, {}, QPoint(6, 6));
  EXPECT_TRUE(w.window->isVisible());
}

}  // namespace
