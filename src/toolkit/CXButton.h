#pragma once

#include <QPushButton>

// The program's push button: a rounded face drawn the same on every desktop,
// in the colours of its window's scheme (see WindowAppearance). A default
// button (setDefault(true)) takes the accent colour.
//
// Return and keypad Enter press the button that has the focus, as Space does
// and as in GTK and KDE dialogs; a key held down presses it once.
class CXButton : public QPushButton {
  Q_OBJECT

 public:
  explicit CXButton(QWidget *parent = nullptr);
  explicit CXButton(const QString &text, QWidget *parent = nullptr);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
};
