#pragma once

#include <QColor>
#include <QPalette>
#include <QString>
#include <cstdint>

#include "platform/ColorScheme.h"

class QWidget;

// The names a window's colour scheme is known by. A window is dark exactly when
// it carries the dark name; any other name, or none, is light.
inline const QString NSAppearanceNameVibrantDark = QStringLiteral("NSAppearanceNameVibrantDark");
inline const QString NSAppearanceNameVibrantLight = QStringLiteral("NSAppearanceNameVibrantLight");

// The colour scheme of a window (or of one view inside it).
//
// The name lives on the widget as the dynamic property "orvellaAppearanceName";
// set() stores it and restyles the widget and its children with the scheme's
// palette. styleSheet() is for single widgets that need more than colours (the
// table's scroll bars apply it to themselves); it is not set on whole windows,
// where a style sheet would override the palette of every child. Drawing code asks scheme() on any
// widget of the window: the answer is read from the top-level window, never from a stored
// preference.
class WindowAppearance {
 public:
  static constexpr const char *kPropertyName = "orvellaAppearanceName";

  // Stores name on windowOrView and applies the dark palette when name is the
  // dark name, the light one otherwise. A null widget is ignored. Setting it
  // on a window also gives tooltips the scheme's colours.
  static void set(QWidget *windowOrView, const QString &name);
  // Stores the scheme's name.
  static void set(QWidget *windowOrView, ColorScheme scheme) {
    set(windowOrView, nameForScheme(scheme));
  }

  // The name set on this very widget; empty when none was set.
  static QString name(const QWidget *widget);

  // The scheme test: dark when w's top-level window carries the dark name.
  // A null widget, or a window without a name, is light.
  static ColorScheme scheme(const QWidget *w);

  static QString nameForScheme(ColorScheme scheme) {
    return scheme == ColorScheme::Dark ? NSAppearanceNameVibrantDark : NSAppearanceNameVibrantLight;
  }
  // 1 means dark; every other value means light.
  static QString nameForAppearance(std::uint64_t appearance) {
    return nameForScheme(appearance == 1 ? ColorScheme::Dark : ColorScheme::Light);
  }

  static QPalette palette(ColorScheme scheme);
  // Slim scroll bars in the scheme's greys; meant for QScrollBar widgets.
  static QString styleSheet(ColorScheme scheme);

  // The accent of the program's own controls (check marks, focus rings, the
  // menu's highlight). The light scheme's is deeper, so that it keeps 3:1
  // against the light backgrounds and white text on it 4.5:1; text on the
  // dark scheme's bright orange is near black (labelColorOn).
  static QColor accentColor(ColorScheme scheme);
  // The face of a default button (the accent-coloured one) at rest, under
  // the pointer and pressed. Its white label keeps a contrast of at least
  // 4.5:1 on each of them, in both schemes.
  static QColor defaultButtonFace(bool hovered, bool pressed);
  // The edge of a plain control (a button's face): it keeps 3:1 against the
  // window behind it in either scheme, so the control can be made out
  // where its face alone is too close to the window's colour.
  static QColor controlBorderColor(ColorScheme scheme);
  // The label colour for text on a coloured face: white where white keeps
  // 4.5:1 on it, else a near black, which reads better on the light faces
  // (the alert's orange: white 2.5:1, near black over 7.5:1).
  static QColor labelColorOn(const QColor &face);
  // The hairline along the border of a frameless window, which keeps it apart
  // from a window or desktop of the same colour behind it.
  static QColor windowEdgeColor(ColorScheme scheme);
  // A colour for secondary text that reads well on the scheme's window colour.
  static QColor secondaryTextColor(ColorScheme scheme);
};
