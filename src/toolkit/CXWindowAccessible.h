#pragma once

#include <QAccessibleWidget>

class CXTopLevelWindow;

// What assistive technology gets for a CXTopLevelWindow: its role, its name
// (the accessible name, else the window title) and its description.
//
// Made by the factory that install() registers with QAccessible; every
// CXTopLevelWindow installs it when made.
class CXWindowAccessible : public QAccessibleWidget {
 public:
  explicit CXWindowAccessible(CXTopLevelWindow *window);

  // Registers the factory with QAccessible; later calls do nothing.
  static void install();

  QString text(QAccessible::Text t) const override;
};
