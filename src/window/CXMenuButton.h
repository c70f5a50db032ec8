#pragma once

#include <QToolButton>

// The title strip's menu button: three dots that open the window's menu. A
// frameless window has no menu bar of its own, so the menu lives here (its
// items also answer their shortcuts anywhere in the window). It takes the
// focus in the Tab order, and F10 and the Menu key open it from anywhere in
// its window once installKeyboardShortcuts() ran, with the first item that
// can be chosen current.
class CXMenuButton : public QToolButton {
  Q_OBJECT

 public:
  explicit CXMenuButton(QWidget *parent = nullptr);

  QSize sizeHint() const override { return {22, 16}; }
  QSize minimumSizeHint() const override { return sizeHint(); }

  // Lets F10 and the Menu key open the menu anywhere in the button's window.
  void installKeyboardShortcuts();

  // Whether the button is drawn lit: its menu is open, or the pointer is on
  // it right now.
  bool isHighlighted() const;

 protected:
  void paintEvent(QPaintEvent *event) override;
};
