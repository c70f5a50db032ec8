// The scheme a window carries and the images looked up by name.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QWidget>

#include "toolkit/ImageLibrary.h"
#include "toolkit/TitleBarButtons.h"
#include "toolkit/WindowAppearance.h"

namespace {

using TitleBarButtons::Kind;

TEST(WindowAppearanceTest, SchemeIsReadFromTheTopLevelWindow) {
  QWidget window;
  auto *view = new QWidget(&window);
  auto *inner = new QWidget(view);

  EXPECT_EQ(WindowAppearance::scheme(&window), ColorScheme::Light) << "no name means light";
  EXPECT_EQ(WindowAppearance::scheme(inner), ColorScheme::Light);
  EXPECT_EQ(WindowAppearance::scheme(nullptr), ColorScheme::Light);

  WindowAppearance::set(&window, NSAppearanceNameVibrantDark);
  EXPECT_EQ(WindowAppearance::name(&window), "NSAppearanceNameVibrantDark");
  EXPECT_EQ(WindowAppearance::scheme(inner), ColorScheme::Dark);
  EXPECT_EQ(inner->palette().color(QPalette::Window), QColor(0x2b, 0x2b, 0x2d))
      << "children take the dark palette";

  // A view may carry a name of its own, but drawing follows the window.
  WindowAppearance::set(view, NSAppearanceNameVibrantLight);
  EXPECT_EQ(WindowAppearance::scheme(inner), ColorScheme::Dark);

  WindowAppearance::set(&window, NSAppearanceNameVibrantLight);
  EXPECT_EQ(WindowAppearance::scheme(inner), ColorScheme::Light);
  EXPECT_EQ(window.palette().color(QPalette::Window), QColor(0xec, 0xec, 0xec));

  WindowAppearance::set(&window, QStringLiteral("SomethingElse"));
  EXPECT_EQ(WindowAppearance::scheme(&window), ColorScheme::Light) << "only the dark name is dark";
}

TEST(WindowAppearanceTest, OnlyAppearanceOneIsDark) {
  EXPECT_EQ(WindowAppearance::nameForAppearance(1), NSAppearanceNameVibrantDark);
  EXPECT_EQ(WindowAppearance::nameForAppearance(2), NSAppearanceNameVibrantLight);
  EXPECT_EQ(WindowAppearance::nameForAppearance(0), NSAppearanceNameVibrantLight);
  EXPECT_EQ(WindowAppearance::nameForAppearance(0xffffffffffffffffULL),
            NSAppearanceNameVibrantLight);
}

TEST(ImageLibraryTest, EveryTitleBarImageNameIsARealImage) {
  QStringList all;
  for (ColorScheme scheme : {ColorScheme::Dark, ColorScheme::Light})
    for (Kind kind : {Kind::Close, Kind::Minimize, Kind::Zoom})
      all += TitleBarButtons::imageNames(kind, scheme);
  all.removeDuplicates();
  ASSERT_EQ(all.size(), 22);

  for (const QString &name : all) {
    const CXImage image = imageNamed(name);
    ASSERT_FALSE(image.isNull()) << name.toStdString();
    EXPECT_EQ(image.name(), name);
    EXPECT_EQ(image.size(), QSizeF(12, 12)) << name.toStdString();
    // The drawing paints something opaque in its middle.
    const QImage pixels = image.pixmap(QSize(12, 12)).toImage();
    EXPECT_EQ(qAlpha(pixels.pixel(6, 6)), 255) << name.toStdString();
  }
  EXPECT_FALSE(imageNamed("ExportComplete").isNull());
}

TEST(ImageLibraryTest, UnknownNamesGiveNullImagesThatDrawNothing) {
  for (const char *name :
       {"", "NoSuchImage", "closedefaultsinglefordark", "../images/CloseDefaultSingleForDark",
        "CloseDefaultSingleForDark.svg"}) {
    const CXImage image = imageNamed(QString::fromUtf8(name));
    EXPECT_TRUE(image.isNull()) << name;
    EXPECT_TRUE(image.name().isEmpty());
    EXPECT_TRUE(image.pixmap(QSize(12, 12)).isNull());
  }
  QImage canvas(12, 12, QImage::Format_ARGB32);
  canvas.fill(Qt::transparent);
  QPainter p(&canvas);
  CXImage().draw(&p, QRectF(0, 0, 12, 12));
  p.end();
  EXPECT_EQ(qAlpha(canvas.pixel(6, 6)), 0);
}

TEST(ImageLibraryTest, SchemesAndStatesLookDifferent) {
  // The pictures differ where they must: hover shows a glyph, grey is grey.
  auto centre = [](const QString &name) {
    return imageNamed(name).pixmap(QSize(48, 48)).toImage().pixelColor(24, 24);
  };
  const QColor closeDefault = centre("CloseDefaultSingleForLight");
  const QColor closeHover = centre("CloseHoverSingleForLight");
  EXPECT_GT(closeDefault.red(), 200);
  EXPECT_LT(closeHover.red(), closeDefault.red()) << "hover draws the x glyph in the middle";
  const QColor notKey = centre("InactiveDefaultSingleForDark");
  EXPECT_LE(std::abs(notKey.red() - notKey.blue()), 6) << "the not-key image is grey";
  EXPECT_NE(centre("InactiveDefaultSingleForDark"), centre("InactiveDefaultSingleForLight"));
}

}  // namespace
