#pragma once

#include <QAccessibleWidget>

class CXTopLevelWindow;

// What assistive technology gets for a CXTopLevelWindow: its role, its name
// (the accessible name, else the window title) and its description; and,
// while a menu of the program is open, that the window is not the active
// one. Qt counts a popup's window as active still, so the menu's taking the
// keyboard went out as the window's activation, and a screen reader spoke
// the window over the open menu.
//
// Made by the factory that AccessibleFactories::install() registers.
class CXWindowAccessible : public QAccessibleWidget {
 public:
  explicit CXWindowAccessible(CXTopLevelWindow *window);

  QString text(QAccessible::Text t) const override;
  QAccessible::State state() const override;
};
