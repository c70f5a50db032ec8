#pragma once

#include <QAccessibleWidget>

class CXTopLevelWindow;

// What assistive technology gets for a CXTopLevelWindow: its role, its name
// (the accessible name, else the window title) and its description.
//
// Made by the factory that AccessibleFactories::install() registers.
class CXWindowAccessible : public QAccessibleWidget {
 public:
  explicit CXWindowAccessible(CXTopLevelWindow *window);

  QString text(QAccessible::Text t) const override;
};
