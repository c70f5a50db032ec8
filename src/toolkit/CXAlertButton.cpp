#include "toolkit/CXAlertButton.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "toolkit/AlertSettings.h"
#include "toolkit/TextScale.h"
#include "toolkit/WindowAppearance.h"

CXAlertButton::CXAlertButton(const QString &title, const QVariantMap &settings, QWidget *parent)
    : QAbstractButton(parent) {
  setText(title);
  // Tab and the arrow keys move between the buttons, Space presses the one
  // with the focus.
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_Hover);
  off_ = settings.value(QStringLiteral("offColor")).value<QColor>();
  hover_ = settings.value(QStringLiteral("hoverColor")).value<QColor>();
  pressed_ = settings.value(QStringLiteral("pressedColor")).value<QColor>();
  setFont(AlertSettings::font(settings, QStringLiteral("HelveticaNeue-Light"), 13, "kern", title));
  setMinimumHeight(TextScale::scaled(26));
}

QSize CXAlertButton::sizeHint() const {
  const QFontMetrics fm(font());
  return {std::max(TextScale::scaled(80), fm.horizontalAdvance(text()) + TextScale::scaled(32)),
          TextScale::scaled(26)};
}

void CXAlertButton::paintEvent(QPaintEvent *) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const bool dark = WindowAppearance::scheme(this) == ColorScheme::Dark;
  const bool down = isDown();
  const bool over = underMouse();
  QColor face;
  QColor border = Qt::transparent;
  QColor textColour;
  if (off_.isValid()) {
    face = off_;
    if (down && pressed_.isValid())
      face = pressed_;
    else if (over && hover_.isValid())
      face = hover_;
    textColour = WindowAppearance::labelColorOn(face);
  } else {
    face = dark ? QColor(0x5c, 0x5c, 0x60) : QColor(0xff, 0xff, 0xff);
    if (down)
      face = dark ? QColor(0x6e, 0x6e, 0x73) : QColor(0xe2, 0xe2, 0xe4);
    else if (over)
      face = dark ? QColor(0x66, 0x66, 0x6a) : QColor(0xf4, 0xf4, 0xf5);
    // White on the light panel is too close to tell apart without an edge.
    border = WindowAppearance::controlBorderColor(dark ? ColorScheme::Dark : ColorScheme::Light);
    textColour = palette().color(QPalette::ButtonText);
  }
  const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  p.setPen(border == Qt::transparent ? Qt::NoPen : QPen(border, 1));
  p.setBrush(face);
  p.drawRoundedRect(r, 6, 6);
  if (hasFocus()) {
    // An accent ring would vanish into a coloured face: there the ring takes
    // the label's colour.
    const QColor ring = off_.isValid() ? textColour
                                       : WindowAppearance::accentColor(dark ? ColorScheme::Dark
                                                                            : ColorScheme::Light);
    p.setPen(QPen(ring, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 6, 6);
  }
  p.setPen(textColour);
  p.drawText(rect(), Qt::AlignCenter, text());
}

// Return and the arrows are the alert's to handle; Space stays the button's.
void CXAlertButton::keyPressEvent(QKeyEvent *event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
      event->ignore();
      return;
    default:
      QAbstractButton::keyPressEvent(event);
  }
}
