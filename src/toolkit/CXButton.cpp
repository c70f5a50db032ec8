#include "toolkit/CXButton.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include "toolkit/TextScale.h"
#include "toolkit/WindowAppearance.h"

CXButton::CXButton(QWidget *parent) : CXButton(QString(), parent) {}

CXButton::CXButton(const QString &text, QWidget *parent) : QPushButton(text, parent) {
  setAttribute(Qt::WA_Hover);
  setCursor(Qt::ArrowCursor);
  setFont(TextScale::sized(font(), 13));
}

QSize CXButton::sizeHint() const {
  const QFontMetrics fm(font());
  return {std::max(TextScale::scaled(72), fm.horizontalAdvance(text()) + TextScale::scaled(28)),
          TextScale::scaled(24)};
}

void CXButton::paintEvent(QPaintEvent *) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const bool dark = WindowAppearance::scheme(this) == ColorScheme::Dark;
  const bool enabled = isEnabled();
  const bool down = isDown() || isChecked();
  const bool over = enabled && underMouse();
  const bool accent = isDefault() && enabled;

  QColor face, border, textColour;
  if (accent) {
    face = WindowAppearance::defaultButtonFace(over, down);
    border = face.darker(115);
    textColour = WindowAppearance::labelColorOn(face);
  } else {
    // The plain face in the light and in the dark scheme: pressed, under the
    // pointer, at rest, and disabled.
    static constexpr QRgb kFaces[2][4] = {{0xdfdfe2, 0xf7f7f8, 0xffffff, 0xf4f4f5},
                                          {0x707075, 0x626267, 0x58585c, 0x3f3f42}};
    const QRgb *faces = kFaces[dark ? 1 : 0];
    face = QColor(!enabled ? faces[3] : down ? faces[0] : over ? faces[1] : faces[2]);
    // A face close to the window's colour needs its edge to be seen; a
    // disabled one stays faint.
    border = enabled ? WindowAppearance::controlBorderColor(dark ? ColorScheme::Dark
                                                                 : ColorScheme::Light)
             : dark  ? QColor(255, 255, 255, 12)
                     : QColor(0, 0, 0, 26);
    textColour =
        palette().color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
  }

  // Sit the face in the middle of whatever height the layout gives.
  QRectF face_rect(0.5, 0.5, width() - 1.0, std::min(height(), TextScale::scaled(24)) - 1.0);
  face_rect.moveTop((height() - face_rect.height()) / 2.0);
  if (enabled && !dark && !accent) {
    // A hairline shadow under the face, as raised buttons have.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 18));
    p.drawRoundedRect(face_rect.translated(0, 0.8), 5.5, 5.5);
  }
  p.setPen(QPen(border, 1));
  p.setBrush(face);
  p.drawRoundedRect(face_rect, 5.5, 5.5);

  if (hasFocus() && focusPolicy() != Qt::NoFocus) {
    p.setBrush(Qt::NoBrush);
    if (accent) {
      // An accent ring would vanish into an accent face: a ring in the
      // label's colour just inside the edge shows instead.
      p.setPen(QPen(textColour, 1.5));
      p.drawRoundedRect(face_rect.adjusted(1.75, 1.75, -1.75, -1.75), 4, 4);
    } else {
      p.setPen(QPen(WindowAppearance::accentColor(WindowAppearance::scheme(this)), 2));
      p.drawRoundedRect(face_rect.adjusted(-0.5, -0.5, 0.5, 0.5), 6, 6);
    }
  }

  p.setPen(textColour);
  p.setFont(font());
  p.drawText(face_rect, Qt::AlignCenter, text());
}

void CXButton::keyPressEvent(QKeyEvent *event) {
  const bool confirm = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (!confirm || (event->modifiers() & ~Qt::KeypadModifier)) {
    QPushButton::keyPressEvent(event);
    return;
  }
  event->accept();
  if (!event->isAutoRepeat()) click();
}
