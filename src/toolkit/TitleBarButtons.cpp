#include "toolkit/TitleBarButtons.h"

#include "toolkit/WindowAppearance.h"

namespace TitleBarButtons {

namespace {

QString prefix(Kind kind) {
  switch (kind) {
    case Kind::Close:
      return QStringLiteral("Close");
    case Kind::Minimize:
      return QStringLiteral("Min");
    case Kind::Zoom:
      return QStringLiteral("Zoom");
  }
  return {};
}

// The five setters in their fixed order, each fed by a lookup made just before
// the call.
void applyImages(CXWindowButton *button, Kind kind, ColorScheme scheme) {
  const QStringList names = imageNames(kind, scheme);
  button->setActiveImage(imageNamed(names.at(0)));
  button->setActiveNotKeyWindowImage(imageNamed(names.at(1)));
  button->setInactiveImage(imageNamed(names.at(2)));
  button->setPressedImage(imageNamed(names.at(3)));
  button->setRolloverImage(imageNamed(names.at(4)));
}

}  // namespace

QStringList imageNames(Kind kind, ColorScheme scheme) {
  const QString suffix =
      scheme == ColorScheme::Dark ? QStringLiteral("ForDark") : QStringLiteral("ForLight");
  const QString own = prefix(kind);
  return {
      own + QStringLiteral("DefaultSingle") + suffix,
      QStringLiteral("InactiveDefaultSingle") + suffix,
      QStringLiteral("DisabledDefaultSingle") + suffix,
      own + QStringLiteral("PressedSingle") + suffix,
      own + QStringLiteral("HoverSingle") + suffix,
  };
}

CXWindowButton::Action actionFor(Kind kind) {
  switch (kind) {
    case Kind::Close:
      return CXWindowButton::PerformClose;
    case Kind::Minimize:
      return CXWindowButton::PerformMiniaturize;
    case Kind::Zoom:
      return CXWindowButton::PerformZoom;
  }
  return CXWindowButton::NoAction;
}

CXWindowButton *createButton(Kind kind, QWidget *window, QWidget *generalControlsView,
                             const QString &group, QPointF origin) {
  const QSize size(12, 12);
  CXWindowButton *button = CXWindowButton::windowButtonWithSizeGroupIdentifier(size, group);
  button->setFrame(QRectF(origin, QSizeF(size)));
  applyImages(button, kind, WindowAppearance::scheme(window));
  button->setTarget(window);
  button->setAction(actionFor(kind));
  if (generalControlsView) {
    button->setParent(generalControlsView);
    button->show();
  }
  return button;
}

void reimage(CXWindowButton *button, Kind kind, ColorScheme scheme) {
  if (!button) return;
  applyImages(button, kind, scheme);
  button->reloadImages();
}

}  // namespace TitleBarButtons
