#pragma once

#include <QPointF>
#include <QString>
#include <QStringList>

#include "platform/ColorScheme.h"
#include "toolkit/CXWindowButton.h"

// The custom title-bar buttons that both windows show in place of the
// platform's own: which images each kind gets per scheme, and how a window
// creates, places and re-images them.
namespace TitleBarButtons {

enum class Kind { Close, Minimize, Zoom };

// The five image names of one button for one scheme, in the order the setters
// are called: active, active in a window that is not key, inactive, pressed,
// rollover.
QStringList imageNames(Kind kind, ColorScheme scheme);

// The action a button of this kind performs on its window.
CXWindowButton::Action actionFor(Kind kind);

// Creates a 12 x 12 button of the given group, places it at origin (bottom-left
// coordinates of generalControlsView), gives it the five images of window's
// current scheme (each looked up just before its setter), targets window with
// the kind's action and adds it to generalControlsView.
//
// When generalControlsView is null the button is made but never shown, and the
// caller owns it; otherwise generalControlsView owns it. Creation does not call
// reloadImages().
CXWindowButton *createButton(Kind kind, QWidget *window, QWidget *generalControlsView,
                             const QString &group, QPointF origin);

// Gives button the five images of the scheme and reloads it once. A null
// button is ignored, so re-imaging buttons that were never made does nothing.
void reimage(CXWindowButton *button, Kind kind, ColorScheme scheme);

}  // namespace TitleBarButtons
