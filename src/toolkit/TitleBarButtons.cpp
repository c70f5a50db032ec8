#include "toolkit/TitleBarButtons.h"

#include "platform/Localized.h"
#include "toolkit/WindowAppearance.h"

namespace TitleBarButtons {

namespace {

// What tells the kinds apart, in the order of Kind: the first word of their
// image names, their name in the strings table, and their action.
struct KindTraits {
  const char *imagePrefix;
  const char *name;
  CXWindowButton::Action action;
};

const KindTraits &traitsOf(Kind kind) {
  static constexpr KindTraits kTraits[] = {{"Close", "Close", CXWindowButton::PerformClose},
                                           {"Min", "Minimize", CXWindowButton::PerformMiniaturize},
                                           {"Zoom", "Zoom", CXWindowButton::PerformZoom}};
  return kTraits[int(kind)];
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

QString nameOf(Kind kind) { return localized("CXInterfaceString", traitsOf(kind).name); }

QStringList imageNames(Kind kind, ColorScheme scheme) {
  const QString suffix =
      scheme == ColorScheme::Dark ? QStringLiteral("ForDark") : QStringLiteral("ForLight");
  const QString own = QLatin1String(traitsOf(kind).imagePrefix);
  return {
      own + QStringLiteral("DefaultSingle") + suffix,
      QStringLiteral("InactiveDefaultSingle") + suffix,
      QStringLiteral("DisabledDefaultSingle") + suffix,
      own + QStringLiteral("PressedSingle") + suffix,
      own + QStringLiteral("HoverSingle") + suffix,
  };
}

CXWindowButton::Action actionFor(Kind kind) { return traitsOf(kind).action; }

CXWindowButton *createButton(Kind kind, QWidget *window, QWidget *generalControlsView,
                             const QString &group, QPointF origin) {
  const QSize size(12, 12);
  CXWindowButton *button = CXWindowButton::windowButtonWithSizeGroupIdentifier(size, group);
  button->setFrame(QRectF(origin, QSizeF(size)));
  applyImages(button, kind, WindowAppearance::scheme(window));
  button->setTarget(window);
  button->setAction(actionFor(kind));
  // The button shows no text: a screen reader and the tooltip need its name.
  button->setAccessibleName(nameOf(kind));
  button->setToolTip(nameOf(kind));
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
