#include "toolkit/FilterField.h"

#include <QFocusEvent>
#include <QTimer>

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
