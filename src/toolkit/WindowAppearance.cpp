#include "toolkit/WindowAppearance.h"

#include <QToolTip>
#include <QVariant>
#include <QWidget>

void WindowAppearance::set(QWidget *windowOrView, const QString &name) {
  if (!windowOrView) return;
  windowOrView->setProperty(kPropertyName, name);
  // Only the palette: a style sheet on a whole window would take over the
  // palette of every child it polishes. Widgets that need more than colours
  // (scroll bars) carry styleSheet(dark) themselves.
  const QPalette colours =
      palette(name == NSAppearanceNameVibrantDark ? ColorScheme::Dark : ColorScheme::Light);
  windowOrView->setPalette(colours);
  // Tooltips are windows of their own that Qt colours from one palette for
  // the whole program; the program's windows always share one scheme.
  if (windowOrView->isWindow()) QToolTip::setPalette(colours);
  windowOrView->update();
}

void WindowAppearance::set(QWidget *windowOrView, ColorScheme scheme) {
  set(windowOrView, nameForScheme(scheme));
}

QString WindowAppearance::name(const QWidget *widget) {
  if (!widget) return {};
  return widget->property(kPropertyName).toString();
}

ColorScheme WindowAppearance::scheme(const QWidget *w) {
  if (!w || name(w->window()) != NSAppearanceNameVibrantDark) return ColorScheme::Light;
  return ColorScheme::Dark;
}

QString WindowAppearance::nameForScheme(ColorScheme scheme) {
  return scheme == ColorScheme::Dark ? NSAppearanceNameVibrantDark : NSAppearanceNameVibrantLight;
}

QString WindowAppearance::nameForAppearance(std::uint64_t appearance) {
  return nameForScheme(appearance == 1 ? ColorScheme::Dark : ColorScheme::Light);
}

QColor WindowAppearance::accentColor(ColorScheme scheme) {
  return scheme == ColorScheme::Dark ? QColor(255, 129, 0) : QColor(0xb3, 0x54, 0x00);
}

QColor WindowAppearance::defaultButtonFace(bool hovered, bool pressed) {
  // A deep orange: the accent itself is too light to carry white text.
  if (pressed) return QColor(0x94, 0x45, 0x00);
  if (hovered) return QColor(0xa6, 0x4e, 0x00);
  return QColor(0xb3, 0x54, 0x00);
}

QColor WindowAppearance::windowEdgeColor(ColorScheme scheme) {
  return scheme == ColorScheme::Dark ? QColor(0x0d, 0x0d, 0x0e) : QColor(0xb2, 0xb2, 0xb4);
}

QColor WindowAppearance::secondaryTextColor(ColorScheme scheme) {
  return scheme == ColorScheme::Dark ? QColor(152, 152, 157) : QColor(100, 100, 105);
}

QPalette WindowAppearance::palette(ColorScheme scheme) {
  QPalette p;
  auto setAll = [&p](QPalette::ColorRole role, const QColor &c) {
    p.setColor(QPalette::Active, role, c);
    p.setColor(QPalette::Inactive, role, c);
    p.setColor(QPalette::Disabled, role, c);
  };
  if (scheme == ColorScheme::Dark) {
    setAll(QPalette::Window, QColor(0x2b, 0x2b, 0x2d));
    setAll(QPalette::WindowText, QColor(0xe8, 0xe8, 0xea));
    setAll(QPalette::Base, QColor(0x23, 0x23, 0x25));
    setAll(QPalette::AlternateBase, QColor(0x30, 0x30, 0x33));
    setAll(QPalette::Text, QColor(0xe8, 0xe8, 0xea));
    setAll(QPalette::Button, QColor(0x4a, 0x4a, 0x4e));
    setAll(QPalette::ButtonText, QColor(0xf2, 0xf2, 0xf4));
    setAll(QPalette::BrightText, QColor(0xff, 0xff, 0xff));
    setAll(QPalette::Light, QColor(0x5a, 0x5a, 0x5e));
    setAll(QPalette::Midlight, QColor(0x46, 0x46, 0x4a));
    setAll(QPalette::Mid, QColor(0x3a, 0x3a, 0x3d));
    setAll(QPalette::Dark, QColor(0x1c, 0x1c, 0x1e));
    setAll(QPalette::Shadow, QColor(0x00, 0x00, 0x00));
    setAll(QPalette::ToolTipBase, QColor(0x3a, 0x3a, 0x3d));
    setAll(QPalette::ToolTipText, QColor(0xe8, 0xe8, 0xea));
    setAll(QPalette::PlaceholderText, QColor(0x8e, 0x8e, 0x93));
    setAll(QPalette::Link, QColor(0x41, 0x9c, 0xff));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x6e, 0x6e, 0x73));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x6e, 0x6e, 0x73));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x78, 0x78, 0x7d));
  } else {
    setAll(QPalette::Window, QColor(0xec, 0xec, 0xec));
    setAll(QPalette::WindowText, QColor(0x1d, 0x1d, 0x1f));
    setAll(QPalette::Base, QColor(0xff, 0xff, 0xff));
    setAll(QPalette::AlternateBase, QColor(0xf4, 0xf4, 0xf5));
    setAll(QPalette::Text, QColor(0x1d, 0x1d, 0x1f));
    setAll(QPalette::Button, QColor(0xff, 0xff, 0xff));
    setAll(QPalette::ButtonText, QColor(0x1d, 0x1d, 0x1f));
    setAll(QPalette::BrightText, QColor(0x00, 0x00, 0x00));
    setAll(QPalette::Light, QColor(0xff, 0xff, 0xff));
    setAll(QPalette::Midlight, QColor(0xf2, 0xf2, 0xf2));
    setAll(QPalette::Mid, QColor(0xc8, 0xc8, 0xcb));
    setAll(QPalette::Dark, QColor(0xa8, 0xa8, 0xac));
    setAll(QPalette::Shadow, QColor(0x80, 0x80, 0x80));
    setAll(QPalette::ToolTipBase, QColor(0xfb, 0xfb, 0xfb));
    setAll(QPalette::ToolTipText, QColor(0x1d, 0x1d, 0x1f));
    setAll(QPalette::PlaceholderText, QColor(0x8a, 0x8a, 0x8e));
    setAll(QPalette::Link, QColor(0x00, 0x6a, 0xe0));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0xa4, 0xa4, 0xa8));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0xa4, 0xa4, 0xa8));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0xac, 0xac, 0xb0));
  }
  const QColor accent = accentColor(scheme);
  setAll(QPalette::Highlight, accent);
  setAll(QPalette::HighlightedText, QColor(0xff, 0xff, 0xff));
  return p;
}

QString WindowAppearance::styleSheet(ColorScheme scheme) {
  const bool dark = scheme == ColorScheme::Dark;
  // Slim overlay-style scroll bars, as on the desktop this program grew up on.
  const QString handle =
      dark ? QStringLiteral("rgba(255,255,255,0.28)") : QStringLiteral("rgba(0,0,0,0.26)");
  const QString handleHover =
      dark ? QStringLiteral("rgba(255,255,255,0.45)") : QStringLiteral("rgba(0,0,0,0.42)");
  return QStringLiteral(
             "QScrollBar:vertical { background: transparent; width: 11px; margin: 2px 2px 2px 0; }"
             "QScrollBar::handle:vertical { background: %1; border-radius: 3px; min-height: 28px;"
             " margin: 0 1px 0 2px; }"
             "QScrollBar::handle:vertical:hover { background: %2; }"
             "QScrollBar:horizontal { background: transparent; height: 11px; margin: 0 2px 2px "
             "2px; }"
             "QScrollBar::handle:horizontal { background: %1; border-radius: 3px; min-width: 28px;"
             " margin: 2px 0 1px 0; }"
             "QScrollBar::handle:horizontal:hover { background: %2; }"
             "QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; }"
             "QScrollBar::add-page, QScrollBar::sub-page { background: transparent; }")
      .arg(handle, handleHover);
}
