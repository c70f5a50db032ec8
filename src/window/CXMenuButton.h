#pragma once

#include <QToolButton>

// The title strip's menu button: three dots that open the window's menu. A
// frameless window has no menu bar of its own, so the menu lives here (its
// items also answer their shortcuts anywhere in the window).
class CXMenuButton : public QToolButton {
  Q_OBJECT

 public:
  explicit CXMenuButton(QWidget *parent = nullptr);

  QSize sizeHint() const override { return {22, 16}; }
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent *event) override;
};
