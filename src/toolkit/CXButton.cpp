#include "toolkit/CXButton.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

#include "toolkit/WindowAppearance.h"

CXButton::CXButton(QWidget *parent) : CXButton(QString(), parent) {}

CXButton::CXButton(const QString &text, QWidget *parent) : QPushButton(text, parent) {
  setAttribute(Qt::WA_Hover);
  setCursor(Qt::ArrowCursor);
  QFont f = font();
  f.setPixelSize(13);
  setFont(f);
}

QSize CXButton::sizeHint() const {
  const QFontMetrics fm(font());
  return {std::max(72, fm.horizontalAdvance(text()) + 28), 24};
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
    textColour = Qt::white;
  } else if (dark) {
    face = down   ? QColor(0x70, 0x70, 0x75)
           : over ? QColor(0x62, 0x62, 0x67)
                  : QColor(0x58, 0x58, 0x5c);
    if (!enabled) face = QColor(0x3f, 0x3f, 0x42);
    border = QColor(255, 255, 255, enabled ? 26 : 12);
    textColour =
        palette().color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
  } else {
    face = down   ? QColor(0xdf, 0xdf, 0xe2)
           : over ? QColor(0xf7, 0xf7, 0xf8)
                  : QColor(0xff, 0xff, 0xff);
    if (!enabled) face = QColor(0xf4, 0xf4, 0xf5);
    border = QColor(0, 0, 0, enabled ? 48 : 26);
    textColour =
        palette().color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
  }

  // Sit the face in the middle of whatever height the layout gives.
  QRectF face_rect(0.5, 0.5, width() - 1.0, std::min(height(), 24) - 1.0);
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
