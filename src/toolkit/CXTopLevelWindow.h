#pragma once

#include <QAccessible>
#include <QWidget>

// A window of the program's own (the export window, About, the alert), for
// what assistive technology makes of it: a frame, a dialog or an alert, by
// accessibleRole(), named by its accessible name or else its title, and
// described by its accessible description. Qt would otherwise offer a
// frameless top-level widget as an unnamed filler.
//
// An alert also tells assistive technology that it appeared each time it is
// shown, as Qt's message boxes do, so that a screen reader reads it out.
class CXTopLevelWindow : public QWidget {
  Q_OBJECT

 public:
  CXTopLevelWindow(QWidget *parent, Qt::WindowFlags flags, QAccessible::Role role);

  QAccessible::Role accessibleRole() const { return role_; }

 protected:
  void showEvent(QShowEvent *event) override;

 private:
  QAccessible::Role role_;
};
