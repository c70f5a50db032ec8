#pragma once

#include <QWidget>
#include <functional>

// The export window itself: a frameless top-level widget that draws its own
// title strip. Its whole background drags it (a press on any part that does
// not take the mouse for itself, such as a label or empty space, moves the
// window), and closing it by any means tells its controller.
class CXDocumentWindow : public QWidget {
  Q_OBJECT

 public:
  explicit CXDocumentWindow(QWidget *parent = nullptr);

  // Called when the window is about to close, whatever closed it.
  void setWillClose(std::function<void()> willClose) { willClose_ = std::move(willClose); }

  // Whether a press on the background moves the window (on by default).
  void setMovableByWindowBackground(bool movable) { movable_ = movable; }
  bool isMovableByWindowBackground() const { return movable_; }
  // How often a background press has asked the window system for a move.
  int backgroundDragRequests() const { return dragRequests_; }

 protected:
  void closeEvent(QCloseEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;

 private:
  std::function<void()> willClose_;
  bool movable_ = true;
  int dragRequests_ = 0;
};
