#pragma once

#include <QAccessible>
#include <QWidget>
#include <optional>

// A window of the program's own (the export window, About, the alert), for
// what assistive technology makes of it: a frame, a dialog or an alert, by
// accessibleRole(), named by its accessible name or else its title, and
// described by its accessible description. Qt would otherwise offer a
// frameless top-level widget as an unnamed filler.
//
// An alert also tells assistive technology that it appeared each time it is
// shown, as Qt's message boxes do, so that a screen reader reads it out.
//
// None of these windows has a frame of the window manager's: the background
// moves the window. A press that no widget inside took (labels pass theirs
// on) hands the move to the window system once the pointer travels, so that
// a click, and the second click of a double click, stay with the window.
class CXTopLevelWindow : public QWidget {
  Q_OBJECT

 public:
  CXTopLevelWindow(QWidget *parent, Qt::WindowFlags flags, QAccessible::Role role);

  QAccessible::Role accessibleRole() const { return role_; }
  // How often a drag on the background has asked the window system for a move.
  int backgroundDragRequests() const { return dragRequests_; }

 protected:
  void showEvent(QShowEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;

 private:
  QAccessible::Role role_;
  // Where a press on the background began, until it moves the window.
  std::optional<QPoint> pressedAt_;
  int dragRequests_ = 0;
};
