#include "toolkit/FilterField.h"

#include <QFocusEvent>
#include <QTimer>

namespace {

constexpr QChar kLeftToRightMark(0x200E);
constexpr QChar kRightToLeftMark(0x200F);

}  // namespace

void FilterField::paintEvent(QPaintEvent *event) {
  // A direction mark in front of a placeholder that would read the other way
  // than the field; set here, where it is drawn, so that neither a placeholder
  // set later nor a change of direction escapes it.
  QString placeholder = placeholderText();
  if (placeholder.startsWith(kLeftToRightMark) || placeholder.startsWith(kRightToLeftMark))
    placeholder.remove(0, 1);
  if (!placeholder.isEmpty() && placeholder.isRightToLeft() != isRightToLeft())
    placeholder.prepend(isRightToLeft() ? kRightToLeftMark : kLeftToRightMark);
  if (placeholder != placeholderText()) setPlaceholderText(placeholder);
  QLineEdit::paintEvent(event);
}

void FilterField::focusInEvent(QFocusEvent *event) {
  const Qt::FocusReason reason = event->reason();
  if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason &&
      reason != Qt::ShortcutFocusReason) {
    QLineEdit::focusInEvent(event);
    return;
  }
  QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
  QLineEdit::focusInEvent(&plain);
  // Not over letters typed meanwhile.
  QTimer::singleShot(0, this, [this, before = text()] {
    if (hasFocus() && text() == before) selectAll();
  });
}
