#include "toolkit/CXTableViewWithEmptyHolder.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

#include "toolkit/CheckableListModel.h"
#include "toolkit/TextScale.h"
#include "toolkit/WindowAppearance.h"

CXTableViewWithEmptyHolder::CXTableViewWithEmptyHolder(QWidget *parent) : QListView(parent) {
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::NoSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  setMouseTracking(true);
  viewport()->setAttribute(Qt::WA_Hover);
}

CheckableListModel *CXTableViewWithEmptyHolder::checkableModel() const {
  return qobject_cast<CheckableListModel *>(model());
}

QString CXTableViewWithEmptyHolder::shownPlaceholder() const {
  if (numberOfRows() > 0) return {};
  const CheckableListModel *m = checkableModel();
  return m && m->isFiltered() ? noMatch_ : placeholder_;
}

void CXTableViewWithEmptyHolder::setPlaceholderText(const QString &text) {
  if (placeholder_ == text) return;
  const QString before = shownPlaceholder();
  placeholder_ = text;
  placeholderChanged(before);
}

void CXTableViewWithEmptyHolder::setNoMatchText(const QString &text) {
  if (noMatch_ == text) return;
  const QString before = shownPlaceholder();
  noMatch_ = text;
  placeholderChanged(before);
}

void CXTableViewWithEmptyHolder::placeholderChanged(const QString &before) {
  if (shownPlaceholder() == before) return;
  viewport()->update();
  // What is painted is also what a screen reader reads (the description).
  if (QAccessible::isActive()) {
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
  }
}

QRect CXTableViewWithEmptyHolder::rectOfRow(int row) const {
  return model() ? visualRect(model()->index(row, 0, rootIndex())) : QRect();
}

bool CXTableViewWithEmptyHolder::isRowSelected(int row) const {
  return model() &&
         model()->index(row, 0, rootIndex()).data(Qt::CheckStateRole).toInt() == Qt::Checked;
}

bool CXTableViewWithEmptyHolder::toggleRow(int row) {
  if (!model() || row < 0 || row >= numberOfRows()) return false;
  return model()->setData(model()->index(row, 0, rootIndex()),
                          isRowSelected(row) ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}

void CXTableViewWithEmptyHolder::selectAll() {
  if (CheckableListModel *m = checkableModel()) m->setShownItemsChecked(true);
  emit shownRowsTicked();
}

void CXTableViewWithEmptyHolder::deselectAll() {
  if (CheckableListModel *m = checkableModel()) m->setShownItemsChecked(false);
  emit shownRowsTicked();
}

void CXTableViewWithEmptyHolder::dataChanged(const QModelIndex &topLeft,
                                             const QModelIndex &bottomRight,
                                             const QList<int> &roles) {
  QListView::dataChanged(topLeft, bottomRight, roles);
  if (topLeft.isValid() && bottomRight.isValid() &&
      (roles.isEmpty() || roles.contains(Qt::CheckStateRole)))
    emit rowsCheckedChanged(topLeft.row(), bottomRight.row());
}

void CXTableViewWithEmptyHolder::tellCurrentRow() {
  const QModelIndex current = currentIndex();
  if (!current.isValid() || !QAccessible::isActive() || !hasFocus()) return;
  QAccessibleEvent event(this, QAccessible::Focus);
  event.setChild(current.row());
  QAccessible::updateAccessibility(&event);
}

// ---- painting and input -------------------------------------------------

void CXTableViewWithEmptyHolder::paintEvent(QPaintEvent *event) {
  if (!showsPlaceholder()) {
    QListView::paintEvent(event);
    return;
  }
  QPainter painter(viewport());
  painter.setFont(TextScale::sized(font(), 13));
  painter.setPen(palette().color(QPalette::PlaceholderText));
  painter.drawText(viewport()->rect().adjusted(12, 0, -12, 0), Qt::AlignCenter | Qt::TextWordWrap,
                   shownPlaceholder());
}

void CXTableViewWithEmptyHolder::mousePressEvent(QMouseEvent *event) {
  if (!customMouseDown_) {
    QListView::mousePressEvent(event);
    return;
  }
  if (event->button() != Qt::LeftButton) {
    event->ignore();
    return;
  }
  if (focusPolicy() != Qt::NoFocus) setFocus(Qt::MouseFocusReason);
  const QModelIndex index = indexAt(event->position().toPoint());
  event->accept();
  if (!index.isValid()) return;
  emit pressed(index);
  selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
  const int row = index.row();
  CheckableListModel *m = checkableModel();
  if (m && (event->modifiers() & Qt::ShiftModifier) && anchorRow_ >= 0 &&
      anchorRow_ < numberOfRows()) {
    QList<int> items;
    for (int r = std::min(anchorRow_, row); r <= std::max(anchorRow_, row); ++r)
      items.append(m->itemOfRow(r));
    m->setItemsChecked(items, !isRowSelected(row));
  } else {
    toggleRow(row);
  }
  anchorRow_ = row;
}

void CXTableViewWithEmptyHolder::mouseReleaseEvent(QMouseEvent *event) {
  if (!customMouseDown_) {
    QListView::mouseReleaseEvent(event);
    return;
  }
  // Not passed on: the delegate would tick a second time over its mark.
  if (event->button() == Qt::LeftButton) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid()) emit clicked(index);
  }
  event->accept();
}

void CXTableViewWithEmptyHolder::mouseDoubleClickEvent(QMouseEvent *event) {
  if (!customMouseDown_) {
    QListView::mouseDoubleClickEvent(event);
    return;
  }
  // The second press of a double click has already arrived as a press of its
  // own, and ticked; this only reports the double click.
  const QModelIndex index = indexAt(event->position().toPoint());
  if (index.isValid()) emit doubleClicked(index);
  event->accept();
}

void CXTableViewWithEmptyHolder::keyPressEvent(QKeyEvent *event) {
  // Qt's list leaves Ctrl+A to its selection, which this list does not use.
  if (event->matches(QKeySequence::SelectAll)) {
    selectAll();
    event->accept();
    return;
  }
  QListView::keyPressEvent(event);
}

void CXTableViewWithEmptyHolder::styleScrollBars() {
  const QString sheet = WindowAppearance::styleSheet(WindowAppearance::scheme(this));
  if (verticalScrollBar()->styleSheet() != sheet) verticalScrollBar()->setStyleSheet(sheet);
}

void CXTableViewWithEmptyHolder::changeEvent(QEvent *event) {
  // A scheme switch reaches the list as a palette change from its window.
  if (event->type() == QEvent::PaletteChange) styleScrollBars();
  QListView::changeEvent(event);
}

void CXTableViewWithEmptyHolder::focusInEvent(QFocusEvent *event) {
  QListView::focusInEvent(event);
  // Qt tells assistive technology about the list itself once this returns;
  // the current row follows, so that it is spoken with the list.
  QTimer::singleShot(0, this, [this] { tellCurrentRow(); });
}

void CXTableViewWithEmptyHolder::currentChanged(const QModelIndex &current,
                                                const QModelIndex &previous) {
  // Qt's list tells assistive technology that the new current row has the
  // focus even when the keyboard is elsewhere; a screen reader then leaves
  // the field the user is typing in for the list. Only the item view's part
  // runs then.
  if (hasFocus())
    QListView::currentChanged(current, previous);
  else
    QAbstractItemView::currentChanged(current, previous);
}

void CXTableViewWithEmptyHolder::showEvent(QShowEvent *event) {
  styleScrollBars();
  QListView::showEvent(event);
}
