#include "toolkit/CXTableViewWithEmptyHolder.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

#include "toolkit/WindowAppearance.h"

void CXTableViewWithEmptyHolder::setPlaceholderText(const QString &text) {
  if (placeholder_ == text) return;
  placeholder_ = text;
  if (numberOfRows() > 0) return;
  viewport()->update();
  // What is painted is also what a screen reader reads (the description).
  if (QAccessible::isActive()) {
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
  }
}

void CXTableViewWithEmptyHolder::tellCurrentRow(int row) {
  if (row < 0 || !QAccessible::isActive() || !hasFocus()) return;
  const int item = items().itemOf(row);
  if (item < 0) return;
  QAccessibleEvent event(this, QAccessible::Focus);
  event.setChild(item);
  QAccessible::updateAccessibility(&event);
}

QModelIndex CXTableViewWithEmptyHolder::moveCursor(CursorAction cursorAction,
                                                   Qt::KeyboardModifiers) {
  const int n = numberOfRows();
  if (n == 0) return {};
  const int current = currentIndex().isValid() ? currentIndex().row() : -1;
  int target = current;
  int step = 1;
  switch (cursorAction) {
    case MoveUp:
    case MovePrevious:
      target = current < 0 ? n - 1 : current - 1;
      step = -1;
      break;
    case MoveDown:
    case MoveNext:
      target = current + 1;
      break;
    case MoveHome:
      target = 0;
      break;
    case MoveEnd:
      target = n - 1;
      step = -1;
      break;
    case MovePageUp: {
      const int y = (current < 0 ? 0 : heights().top(current)) - viewport()->height();
      target = y <= 0 ? 0 : heights().rowAt(y);
      step = -1;
      break;
    }
    case MovePageDown: {
      const int y = (current < 0 ? 0 : heights().top(current)) + viewport()->height();
      target = y >= heights().contentHeight() ? n - 1 : heights().rowAt(y);
      break;
    }
    default:
      return currentIndex();
  }
  target = std::clamp(target, 0, n - 1);
  // Land on a row the user can act on; rows that cannot be selected (such as
  // separators) are passed over.
  for (int r = target; r >= 0 && r < n; r += step)
    if (isItem(r)) return indexOfRow(r);
  for (int r = target; r >= 0 && r < n; r -= step)
    if (isItem(r)) return indexOfRow(r);
  return currentIndex();
}

void CXTableViewWithEmptyHolder::keyboardSearch(const QString &search) {
  // Moves the current row only: ticking stays with Space and the mouse.
  const int current = currentIndex().isValid() ? currentIndex().row() : -1;
  const int row = typeAhead_.next(search, current, numberOfRows(), [this](int r) {
    return isItem(r) ? indexOfRow(r).data(Qt::DisplayRole).toString() : QString();
  });
  if (row < 0) return;
  selectionModel()->setCurrentIndex(indexOfRow(row), QItemSelectionModel::NoUpdate);
  scrollTo(indexOfRow(row));
}

void CXTableViewWithEmptyHolder::currentChanged(const QModelIndex &current,
                                                const QModelIndex &previous) {
  TableRowsView::currentChanged(current, previous);
  if (previous.isValid()) updateRow(previous.row());
  if (current.isValid()) updateRow(current.row());
  tellCurrentRow(current.isValid() ? current.row() : -1);
}

// ---- painting and input -------------------------------------------------

void CXTableViewWithEmptyHolder::paintEvent(QPaintEvent *event) {
  if (numberOfRows() > 0 || placeholder_.isEmpty()) {
    TableRowsView::paintEvent(event);
    return;
  }
  QPainter painter(viewport());
  QFont font = this->font();
  font.setPixelSize(13);
  painter.setFont(font);
  painter.setPen(palette().color(QPalette::PlaceholderText));
  painter.drawText(viewport()->rect().adjusted(12, 0, -12, 0), Qt::AlignCenter | Qt::TextWordWrap,
                   placeholder_);
}

void CXTableViewWithEmptyHolder::mousePressEvent(QMouseEvent *event) {
  if (event->button() != Qt::LeftButton) {
    event->ignore();
    return;
  }
  if (focusPolicy() != Qt::NoFocus) setFocus(Qt::MouseFocusReason);
  const QPoint pos = event->position().toPoint();
  const int row = rowAtPoint(pos);
  const QModelIndex index = indexOfRow(row);
  if (index.isValid()) {
    emit pressed(index);
    if (isRowSelectable(row))
      selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
  }

  if (customMouseDown_) {
    if (isRowSelectable(row)) toggleRow(row);
    event->accept();
    return;
  }

  const Qt::KeyboardModifiers mods = event->modifiers();
  if (row < 0) {
    if (!(mods & (Qt::ControlModifier | Qt::ShiftModifier))) deselectAll();
  } else if (!isRowSelectable(row)) {
    // A click on a row that cannot be selected leaves the selection alone.
  } else if (mods & Qt::ControlModifier) {
    toggleRow(row);
    setAnchorRow(row);
  } else {
    selectFromAnchor(row, (mods & Qt::ShiftModifier) && anchorRow() < numberOfRows());
  }
  event->accept();
}

void CXTableViewWithEmptyHolder::selectFromAnchor(int row, bool extend) {
  if (extend && anchorRow() >= 0) {
    selectRowIndexes(TableRowSelection::span(anchorRow(), row), false);
  } else {
    selectRowIndexes({row}, false);
    setAnchorRow(row);
  }
}

void CXTableViewWithEmptyHolder::mouseReleaseEvent(QMouseEvent *event) {
  if (event->button() == Qt::LeftButton) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid()) emit clicked(index);
  }
  event->accept();
}

void CXTableViewWithEmptyHolder::mouseDoubleClickEvent(QMouseEvent *event) {
  // The second press of a double click has already arrived as a press of its
  // own (and toggled in the toggling mode); this only reports the double click.
  const QModelIndex index = indexAt(event->position().toPoint());
  if (index.isValid()) emit doubleClicked(index);
  event->accept();
}

void CXTableViewWithEmptyHolder::keyPressEvent(QKeyEvent *event) {
  if (event->matches(QKeySequence::SelectAll)) {
    selectAll();
    event->accept();
    return;
  }
  const int current = currentIndex().isValid() ? currentIndex().row() : -1;
  if (event->key() == Qt::Key_Space && !(event->modifiers() & ~Qt::KeypadModifier)) {
    if (current >= 0 && isRowSelectable(current)) {
      if (customMouseDown_)
        toggleRow(current);
      else
        selectRowIndexes({current}, false);
    }
    event->accept();
    return;
  }
  static const std::pair<int, CursorAction> kMoves[] = {
      {Qt::Key_Up, MoveUp},         {Qt::Key_Down, MoveDown},
      {Qt::Key_PageUp, MovePageUp}, {Qt::Key_PageDown, MovePageDown},
      {Qt::Key_Home, MoveHome},     {Qt::Key_End, MoveEnd}};
  const auto move = std::find_if(std::begin(kMoves), std::end(kMoves),
                                 [event](const auto &m) { return m.first == event->key(); });
  if (move == std::end(kMoves)) {
    if (!event->text().isEmpty() && event->text().front().isPrint() &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
      keyboardSearch(event->text());
      event->accept();
      return;
    }
    event->ignore();
    return;
  }
  const QModelIndex next = moveCursor(move->second, event->modifiers());
  if (next.isValid()) {
    selectionModel()->setCurrentIndex(next, QItemSelectionModel::NoUpdate);
    scrollTo(next);
    if (!customMouseDown_) selectFromAnchor(next.row(), event->modifiers() & Qt::ShiftModifier);
  }
  event->accept();
}

void CXTableViewWithEmptyHolder::styleScrollBars() {
  const QString sheet = WindowAppearance::styleSheet(WindowAppearance::scheme(this));
  if (verticalScrollBar()->styleSheet() != sheet) verticalScrollBar()->setStyleSheet(sheet);
}

void CXTableViewWithEmptyHolder::changeEvent(QEvent *event) {
  // A scheme switch reaches the table as a palette change from its window.
  if (event->type() == QEvent::PaletteChange) styleScrollBars();
  TableRowsView::changeEvent(event);
}

void CXTableViewWithEmptyHolder::focusInEvent(QFocusEvent *event) {
  TableRowsView::focusInEvent(event);
  // Qt tells assistive technology about the list itself once this returns;
  // the current row follows, so that it is spoken with the list.
  QTimer::singleShot(0, this, [this] { tellCurrentRow(currentIndex().row()); });
}

void CXTableViewWithEmptyHolder::showEvent(QShowEvent *event) {
  styleScrollBars();
  TableRowsView::showEvent(event);
}
