#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QVariantMap>

// A button of the alert, drawn in the alert's own style: a rounded face in the
// colours its settings give ("offColor", "hoverColor", "pressedColor") under a
// label in white or near black, whichever reads on them, or in the scheme's
// plain look when they give none; its font from "fontName",
// "fontSize" and "kern". Space presses the one with the focus; Return and the
// arrows are left to the alert.
class CXAlertButton : public QAbstractButton {
 public:
  CXAlertButton(const QString &title, const QVariantMap &settings, QWidget *parent);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  // The focus ring comes and goes.
  void focusInEvent(QFocusEvent *event) override {
    QAbstractButton::focusInEvent(event);
    update();
  }
  void focusOutEvent(QFocusEvent *event) override {
    QAbstractButton::focusOutEvent(event);
    update();
  }

 private:
  QColor off_, hover_, pressed_;
};
