#include "toolkit/WindowAppearance.h"

#include <QToolTip>
#include <QVariant>
#include <QWidget>
#include <cmath>

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

QString WindowAppearance::name(const QWidget *widget) {
  if (!widget) return {};
  return widget->property(kPropertyName).toString();
}

ColorScheme WindowAppearance::scheme(const QWidget *w) {
  if (!w || name(w->window()) != NSAppearanceNameVibrantDark) return ColorScheme::Light;
  return ColorScheme::Dark;
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

QColor WindowAppearance::controlBorderColor(ColorScheme scheme) {
  return scheme == ColorScheme::Dark ? QColor(0x88, 0x88, 0x8c) : QColor(0x7c, 0x7c, 0x81);
}

QColor WindowAppearance::labelColorOn(const QColor &face) {
  // Relative luminance as the contrast ratio of WCAG 2 reckons it.
  auto linear = [](double v) {
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  const double lum =
      0.2126 * linear(face.redF()) + 0.7152 * linear(face.greenF()) + 0.0722 * linear(face.blueF());
  const double onWhite = 1.05 / (lum + 0.05);
  return onWhite >= 4.5 ? QColor(Qt::white) : QColor(0x11, 0x11, 0x13);
}

QColor WindowAppearance::windowEdgeColor(ColorScheme scheme) {
  return scheme == ColorScheme::Dark ? QColor(0x0d, 0x0d, 0x0e) : QColor(0xb2, 0xb2, 0xb4);
}

QColor WindowAppearance::secondaryTextColor(ColorScheme scheme) {
  return scheme == ColorScheme::Dark ? QColor(152, 152, 157) : QColor(100, 100, 105);
}

QPalette WindowAppearance::palette(ColorScheme scheme) {
  // Each role's colour in the dark and in the light scheme, the same in every
  // state of the window; then the few that a disabled widget draws otherwise.
  struct RoleColours {
    QPalette::ColorRole role;
    QRgb dark, light;
  };
  static constexpr RoleColours kEveryState[] = {
      {QPalette::Window, 0x2b2b2d, 0xececec},      {QPalette::WindowText, 0xe8e8ea, 0x1d1d1f},
      {QPalette::Base, 0x232325, 0xffffff},        {QPalette::AlternateBase, 0x303033, 0xf4f4f5},
      {QPalette::Text, 0xe8e8ea, 0x1d1d1f},        {QPalette::Button, 0x4a4a4e, 0xffffff},
      {QPalette::ButtonText, 0xf2f2f4, 0x1d1d1f},  {QPalette::BrightText, 0xffffff, 0x000000},
      {QPalette::Light, 0x5a5a5e, 0xffffff},       {QPalette::Midlight, 0x46464a, 0xf2f2f2},
      {QPalette::Mid, 0x3a3a3d, 0xc8c8cb},         {QPalette::Dark, 0x1c1c1e, 0xa8a8ac},
      {QPalette::Shadow, 0x000000, 0x808080},      {QPalette::ToolTipBase, 0x3a3a3d, 0xfbfbfb},
      {QPalette::ToolTipText, 0xe8e8ea, 0x1d1d1f}, {QPalette::PlaceholderText, 0x8e8e93, 0x6e6e73},
      {QPalette::Link, 0x419cff, 0x006ae0}};
  static constexpr RoleColours kDisabled[] = {{QPalette::WindowText, 0x6e6e73, 0xa4a4a8},
                                              {QPalette::Text, 0x6e6e73, 0xa4a4a8},
                                              {QPalette::ButtonText, 0x78787d, 0xacacb0}};
  const bool dark = scheme == ColorScheme::Dark;
  QPalette p;
  auto setAll = [&p](QPalette::ColorRole role, const QColor &c) {
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
      p.setColor(group, role, c);
  };
  for (const RoleColours &c : kEveryState) setAll(c.role, QColor(dark ? c.dark : c.light));
  for (const RoleColours &c : kDisabled)
    p.setColor(QPalette::Disabled, c.role, QColor(dark ? c.dark : c.light));
  // Selected text and the menu's current item: the label that reads on the
  // accent, dark on the dark scheme's bright orange.
  setAll(QPalette::Highlight, accentColor(scheme));
  setAll(QPalette::HighlightedText, labelColorOn(accentColor(scheme)));
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
