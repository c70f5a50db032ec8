#include "toolkit/CXTableViewWithEmptyHolder.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

#include "toolkit/CXTableAccessible.h"
#include "toolkit/WindowAppearance.h"

CXTableViewWithEmptyHolder::CXTableViewWithEmptyHolder(QWidget *parent)
    : QAbstractItemView(parent), selection_([this](int row) { return isRowSelectable(row); }) {
  setSelectionMode(QAbstractItemView::MultiSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  setMouseTracking(true);
  viewport()->setAttribute(Qt::WA_Hover);
  CXTableAccessible::install();
}

void CXTableViewWithEmptyHolder::setPlaceholderText(const QString &text) {
  if (placeholder_ == text) return;
  placeholder_ = text;
  if (!heights_.isEmpty()) return;
  viewport()->update();
  // What is painted is also what a screen reader reads (the description).
  if (QAccessible::isActive()) {
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
  }
}

QModelIndex CXTableViewWithEmptyHolder::indexOfRow(int row) const {
  if (!model() || row < 0 || row >= numberOfRows()) return {};
  return model()->index(row, 0, rootIndex());
}

int CXTableViewWithEmptyHolder::rowHeight(int row) const { return heights_.height(row); }

QRect CXTableViewWithEmptyHolder::rectOfRow(int row) const {
  if (row < 0 || row >= numberOfRows()) return {};
  return QRect(0, heights_.top(row) - verticalOffset(), viewport()->width(), heights_.height(row));
}

int CXTableViewWithEmptyHolder::rowAtPoint(const QPoint &point) const {
  if (point.x() < 0 || point.x() >= viewport()->width()) return -1;
  return heights_.rowAt(point.y() + verticalOffset());
}

bool CXTableViewWithEmptyHolder::isRowSelectable(int row) const {
  const QModelIndex index = indexOfRow(row);
  return index.isValid() && (model()->flags(index) & Qt::ItemIsSelectable);
}

bool CXTableViewWithEmptyHolder::isRowSelected(int row) const { return selection_.contains(row); }

QList<int> CXTableViewWithEmptyHolder::selectedRowIndexes() const { return selection_.rows(); }

void CXTableViewWithEmptyHolder::announceSelection() {
  viewport()->update();
  emit selectedRowIndexesChanged(selectedRowIndexes());
}

void CXTableViewWithEmptyHolder::selectRowIndexes(const QList<int> &rows,
                                                  bool byExtendingSelection) {
  if (selection_.select(rows, byExtendingSelection)) announceSelection();
}

void CXTableViewWithEmptyHolder::deselectRow(int row) {
  if (selection_.set(row, false)) announceSelection();
}

void CXTableViewWithEmptyHolder::deselectRowIndexes(const QList<int> &rows) {
  bool changed = false;
  for (int row : rows) changed = selection_.set(row, false) || changed;
  if (changed) announceSelection();
}

bool CXTableViewWithEmptyHolder::toggleRow(int row) {
  const bool changed = selection_.toggle(row);
  if (changed) {
    updateRow(row);
    emit selectedRowIndexesChanged(selectedRowIndexes());
  }
  return changed;
}

bool CXTableViewWithEmptyHolder::hasHiddenRows() const {
  for (int r = 0; r < numberOfRows(); ++r)
    if (!isRowShown(r)) return true;
  return false;
}

void CXTableViewWithEmptyHolder::selectAll() {
  const QAbstractItemModel *m = model();
  if (!m) return;
  if (hasHiddenRows()) {
    selectRowIndexes(shownRows(), true);
    return;
  }
  // The root looked up once for the whole pass, not once per row.
  const QModelIndex root = rootIndex();
  if (selection_.selectAll([m, &root](int row) {
        return bool(m->flags(m->index(row, 0, root)) & Qt::ItemIsSelectable);
      }))
    announceSelection();
}

void CXTableViewWithEmptyHolder::deselectAll() {
  if (!hasHiddenRows()) {
    if (selection_.clear()) announceSelection();
    return;
  }
  deselectRowIndexes(shownRows());
}

QList<int> CXTableViewWithEmptyHolder::shownRows() const {
  QList<int> rows;
  for (int r = 0; r < numberOfRows(); ++r)
    if (isRowShown(r)) rows.append(r);
  return rows;
}

void CXTableViewWithEmptyHolder::followShownRows() {
  ++shownRowsGeneration_;
  const QModelIndex current = currentIndex();
  if (current.isValid() && !isRowShown(current.row())) {
    int next = -1;
    for (int r = 0; r < numberOfRows() && next < 0; ++r)
      if (isRowShown(r) && isRowSelectable(r)) next = r;
    selectionModel()->setCurrentIndex(next >= 0 ? indexOfRow(next) : QModelIndex(),
                                      QItemSelectionModel::NoUpdate);
  }
  QAccessibleTableModelChangeEvent change(this, QAccessibleTableModelChangeEvent::ModelReset);
  QAccessible::updateAccessibility(&change);
}

// ---- layout -------------------------------------------------------------

std::vector<int> CXTableViewWithEmptyHolder::measureRows(int first, int last) const {
  std::vector<int> heights;
  if (first > last) return heights;
  heights.reserve(size_t(last - first + 1));
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  for (int r = first; r <= last; ++r) {
    const QModelIndex index = model()->index(r, 0, rootIndex());
    QAbstractItemDelegate *delegate = itemDelegateForIndex(index);
    heights.push_back(delegate ? std::max(0, delegate->sizeHint(option, index).height()) : 0);
  }
  return heights;
}

void CXTableViewWithEmptyHolder::remeasureAll() {
  const int n = model() ? model()->rowCount(rootIndex()) : 0;
  heights_.assign(measureRows(0, n - 1));
  // Only when the model changed behind the view's back does the selection
  // hold another number of rows; what no longer exists is dropped.
  if (selection_.rowCount() != n && selection_.resize(n)) announceSelection();
  hoverRow_ = -1;
}

void CXTableViewWithEmptyHolder::setModel(QAbstractItemModel *newModel) {
  if (model()) disconnect(model(), nullptr, this, nullptr);
  QAbstractItemView::setModel(newModel);
  if (newModel) {
    connect(newModel, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex &parent, int, int) { onRowsRemoved(parent); });
    connect(newModel, &QAbstractItemModel::layoutAboutToBeChanged, this,
            &CXTableViewWithEmptyHolder::rememberSelection);
    connect(newModel, &QAbstractItemModel::layoutChanged, this,
            &CXTableViewWithEmptyHolder::restoreSelection);
    connect(newModel, &QAbstractItemModel::rowsAboutToBeMoved, this,
            &CXTableViewWithEmptyHolder::rememberSelection);
    connect(newModel, &QAbstractItemModel::rowsMoved, this,
            &CXTableViewWithEmptyHolder::restoreSelection);
  }
  const bool changed = selection_.reset(newModel ? newModel->rowCount(rootIndex()) : 0);
  remeasureAll();
  updateGeometries();
  if (changed) announceSelection();
  viewport()->update();
}

void CXTableViewWithEmptyHolder::reset() {
  QAbstractItemView::reset();
  const bool changed = selection_.reset(model() ? model()->rowCount(rootIndex()) : 0);
  anchorRow_ = -1;
  remeasureAll();
  updateGeometries();
  viewport()->update();
  if (changed) announceSelection();
}

void CXTableViewWithEmptyHolder::doItemsLayout() {
  remeasureAll();
  QAbstractItemView::doItemsLayout();
}

void CXTableViewWithEmptyHolder::rowsInserted(const QModelIndex &parent, int start, int end) {
  if (parent == rootIndex() && start >= 0 && end >= start && start <= numberOfRows()) {
    const int count = end - start + 1;
    heights_.insert(start, measureRows(start, end));
    selection_.insertRows(start, count);
    if (anchorRow_ >= start) anchorRow_ += count;
    if (selection_.count() > 0) announceSelection();  // selected rows moved down
  }
  QAbstractItemView::rowsInserted(parent, start, end);
  updateGeometries();
  viewport()->update();
}

void CXTableViewWithEmptyHolder::rowsAboutToBeRemoved(const QModelIndex &parent, int start,
                                                      int end) {
  if (parent == rootIndex() && start >= 0 && end < numberOfRows() && end >= start) {
    const bool movedOrLost = selection_.removeRows(start, end);
    heights_.remove(start, end);
    if (anchorRow_ > end)
      anchorRow_ -= end - start + 1;
    else if (anchorRow_ >= start)
      anchorRow_ = -1;
    hoverRow_ = -1;
    // Announced once the model has really dropped the rows.
    pendingAnnounce_ = pendingAnnounce_ || movedOrLost;
  }
  QAbstractItemView::rowsAboutToBeRemoved(parent, start, end);
}

void CXTableViewWithEmptyHolder::onRowsRemoved(const QModelIndex &parent) {
  if (parent != rootIndex()) return;
  updateGeometries();
  viewport()->update();
  if (pendingAnnounce_) {
    pendingAnnounce_ = false;
    announceSelection();
  }
}

void CXTableViewWithEmptyHolder::rememberSelection() {
  rememberedSelection_.clear();
  rememberedSelection_.reserve(selection_.count());
  for (int r : selectedRowIndexes())
    rememberedSelection_.append(QPersistentModelIndex(indexOfRow(r)));
}

void CXTableViewWithEmptyHolder::restoreSelection() {
  const QList<QPersistentModelIndex> remembered = std::exchange(rememberedSelection_, {});
  const QList<int> before = selectedRowIndexes();
  selection_.reset(model() ? model()->rowCount(rootIndex()) : 0);
  remeasureAll();
  for (const QPersistentModelIndex &index : remembered) {
    if (!index.isValid() || index.parent() != rootIndex()) continue;
    selection_.set(index.row(), true);
  }
  updateGeometries();
  if (selectedRowIndexes() != before)
    announceSelection();
  else
    viewport()->update();
}

void CXTableViewWithEmptyHolder::dataChanged(const QModelIndex &topLeft,
                                             const QModelIndex &bottomRight,
                                             const QList<int> &roles) {
  if (topLeft.isValid() && topLeft.parent() == rootIndex() && bottomRight.isValid()) {
    const int first = std::max(0, topLeft.row());
    const int last = std::min(numberOfRows() - 1, bottomRight.row());
    if (first <= last) {
      if (heights_.update(first, measureRows(first, last))) {
        updateGeometries();
        followShownRows();
      }
      // A row that stopped being selectable leaves the selection.
      if (selection_.dropUnselectable(first, last)) announceSelection();
    }
  }
  QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
  viewport()->update();
}

void CXTableViewWithEmptyHolder::updateGeometries() {
  QScrollBar *bar = verticalScrollBar();
  const int page = viewport()->height();
  bar->setPageStep(page);
  bar->setSingleStep(17);
  bar->setRange(0, std::max(0, heights_.contentHeight() - page));
  horizontalScrollBar()->setRange(0, 0);
  QAbstractItemView::updateGeometries();
}

int CXTableViewWithEmptyHolder::verticalOffset() const { return verticalScrollBar()->value(); }

void CXTableViewWithEmptyHolder::scrollContentsBy(int dx, int dy) {
  hoverRow_ = -1;
  viewport()->scroll(dx, dy);
}

// ---- item view plumbing ------------------------------------------------

QModelIndex CXTableViewWithEmptyHolder::indexAt(const QPoint &point) const {
  return indexOfRow(rowAtPoint(point));
}

QRect CXTableViewWithEmptyHolder::visualRect(const QModelIndex &index) const {
  if (!index.isValid() || index.parent() != rootIndex()) return {};
  return rectOfRow(index.row());
}

void CXTableViewWithEmptyHolder::scrollTo(const QModelIndex &index, ScrollHint hint) {
  if (!index.isValid() || index.row() >= numberOfRows()) return;
  const int top = heights_.top(index.row());
  const int bottom = top + heights_.height(index.row());
  const int page = viewport()->height();
  int offset = verticalOffset();
  switch (hint) {
    case PositionAtTop:
      offset = top;
      break;
    case PositionAtBottom:
      offset = bottom - page;
      break;
    case PositionAtCenter:
      offset = top - (page - (bottom - top)) / 2;
      break;
    case EnsureVisible:
      if (top < offset)
        offset = top;
      else if (bottom > offset + page)
        offset = bottom - page;
      break;
  }
  verticalScrollBar()->setValue(offset);
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
      const int y = (current < 0 ? 0 : heights_.top(current)) - viewport()->height();
      target = y <= 0 ? 0 : heights_.rowAt(y);
      step = -1;
      break;
    }
    case MovePageDown: {
      const int y = (current < 0 ? 0 : heights_.top(current)) + viewport()->height();
      target = y >= heights_.contentHeight() ? n - 1 : heights_.rowAt(y);
      break;
    }
    default:
      return currentIndex();
  }
  target = std::clamp(target, 0, n - 1);
  // Land on a row the user can act on; rows that cannot be selected (such as
  // separators) are passed over.
  for (int r = target; r >= 0 && r < n; r += step)
    if (isRowSelectable(r) && isRowShown(r)) return indexOfRow(r);
  for (int r = target; r >= 0 && r < n; r -= step)
    if (isRowSelectable(r) && isRowShown(r)) return indexOfRow(r);
  return currentIndex();
}

void CXTableViewWithEmptyHolder::setSelection(const QRect &rect,
                                              QItemSelectionModel::SelectionFlags command) {
  bool changed = false;
  if (command & QItemSelectionModel::Clear) changed = selection_.clear();
  const QRect area = rect.normalized();
  const int first = rowAtPoint(QPoint(0, std::max(0, area.top())));
  if (first >= 0) {
    for (int r = first; r < numberOfRows() && heights_.top(r) - verticalOffset() <= area.bottom();
         ++r) {
      if (command & QItemSelectionModel::Toggle)
        changed |= selection_.toggle(r);
      else if (command & QItemSelectionModel::Deselect)
        changed |= selection_.set(r, false);
      else if (command & QItemSelectionModel::Select)
        changed |= selection_.set(r, true);
    }
  }
  if (changed) announceSelection();
}

QRegion CXTableViewWithEmptyHolder::visualRegionForSelection(
    const QItemSelection &selection) const {
  QRegion region;
  for (const QItemSelectionRange &range : selection) {
    if (range.parent() != rootIndex()) continue;
    const int first = std::max(0, range.top());
    const int last = std::min(numberOfRows() - 1, range.bottom());
    if (first > last) continue;
    region += QRect(0, heights_.top(first) - verticalOffset(), viewport()->width(),
                    heights_.top(last + 1) - heights_.top(first));
  }
  return region;
}

QModelIndexList CXTableViewWithEmptyHolder::selectedIndexes() const {
  QModelIndexList list;
  for (int r : selectedRowIndexes()) list.append(indexOfRow(r));
  return list;
}

void CXTableViewWithEmptyHolder::keyboardSearch(const QString &search) {
  // Moves the current row only: ticking stays with Space and the mouse.
  const int current = currentIndex().isValid() ? currentIndex().row() : -1;
  const int row = typeAhead_.next(search, current, numberOfRows(), [this](int r) {
    return isRowSelectable(r) && isRowShown(r) ? indexOfRow(r).data(Qt::DisplayRole).toString()
                                               : QString();
  });
  if (row < 0) return;
  selectionModel()->setCurrentIndex(indexOfRow(row), QItemSelectionModel::NoUpdate);
  scrollTo(indexOfRow(row));
}

void CXTableViewWithEmptyHolder::currentChanged(const QModelIndex &current,
                                                const QModelIndex &previous) {
  QAbstractItemView::currentChanged(current, previous);
  if (previous.isValid()) updateRow(previous.row());
  if (current.isValid()) updateRow(current.row());
  CXTableAccessible::currentRowChanged(this, current.isValid() ? current.row() : -1);
}

// ---- painting and input -------------------------------------------------

void CXTableViewWithEmptyHolder::updateRow(int row) {
  const QRect r = rectOfRow(row);
  if (!r.isEmpty()) viewport()->update(r);
}

void CXTableViewWithEmptyHolder::setHoverRow(int row) {
  if (row == hoverRow_) return;
  updateRow(hoverRow_);
  hoverRow_ = row;
  updateRow(hoverRow_);
}

void CXTableViewWithEmptyHolder::paintEvent(QPaintEvent *event) {
  QPainter painter(viewport());
  if (heights_.isEmpty()) {
    if (placeholder_.isEmpty()) return;
    QFont font = this->font();
    font.setPixelSize(13);
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(viewport()->rect().adjusted(12, 0, -12, 0), Qt::AlignCenter | Qt::TextWordWrap,
                     placeholder_);
    return;
  }
  QStyleOptionViewItem base;
  initViewItemOption(&base);
  const QRect area = event->rect();
  const int offset = verticalOffset();
  const int width = viewport()->width();
  const int current = currentIndex().isValid() ? currentIndex().row() : -1;
  const bool focused = hasFocus();
  const bool activeWindow = isActiveWindow();
  int row = heights_.rowAt(std::max(0, area.top() + offset));
  if (row < 0) return;
  for (; row < numberOfRows(); ++row) {
    const int top = heights_.top(row) - offset;
    if (top > area.bottom()) break;
    const int height = heights_.height(row);
    if (height == 0) continue;
    const QModelIndex index = indexOfRow(row);
    QStyleOptionViewItem option = base;
    option.rect = QRect(0, top, width, height);
    const Qt::ItemFlags flags = model()->flags(index);
    option.state &= ~(QStyle::State_Selected | QStyle::State_MouseOver | QStyle::State_HasFocus |
                      QStyle::State_Enabled | QStyle::State_Active);
    if (flags & Qt::ItemIsEnabled) option.state |= QStyle::State_Enabled;
    if (activeWindow) option.state |= QStyle::State_Active;
    if (selection_.contains(row)) option.state |= QStyle::State_Selected;
    if (row == hoverRow_) option.state |= QStyle::State_MouseOver;
    if (row == current && focused) option.state |= QStyle::State_HasFocus;
    if (QAbstractItemDelegate *delegate = itemDelegateForIndex(index))
      delegate->paint(&painter, option, index);
    if (option.state & QStyle::State_HasFocus) {
      // The row that Space ticks, outlined so that the keyboard user sees it.
      painter.save();
      painter.setRenderHint(QPainter::Antialiasing);
      painter.setPen(QPen(WindowAppearance::accentColor(WindowAppearance::scheme(this)), 1.5));
      painter.setBrush(Qt::NoBrush);
      painter.drawRoundedRect(QRectF(option.rect).adjusted(1.5, 0.75, -1.5, -0.75), 3, 3);
      painter.restore();
    }
  }
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
    anchorRow_ = row;
  } else if ((mods & Qt::ShiftModifier) && anchorRow_ >= 0 && anchorRow_ < numberOfRows()) {
    selectRowIndexes(TableRowSelection::span(anchorRow_, row), false);
  } else {
    selectRowIndexes({row}, false);
    anchorRow_ = row;
  }
  event->accept();
}

void CXTableViewWithEmptyHolder::mouseMoveEvent(QMouseEvent *event) {
  setHoverRow(rowAtPoint(event->position().toPoint()));
  event->accept();
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
  CursorAction action;
  switch (event->key()) {
    case Qt::Key_Up:
      action = MoveUp;
      break;
    case Qt::Key_Down:
      action = MoveDown;
      break;
    case Qt::Key_PageUp:
      action = MovePageUp;
      break;
    case Qt::Key_PageDown:
      action = MovePageDown;
      break;
    case Qt::Key_Home:
      action = MoveHome;
      break;
    case Qt::Key_End:
      action = MoveEnd;
      break;
    default:
      if (!event->text().isEmpty() && event->text().front().isPrint() &&
          !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        keyboardSearch(event->text());
        event->accept();
        return;
      }
      event->ignore();
      return;
  }
  const QModelIndex next = moveCursor(action, event->modifiers());
  if (next.isValid()) {
    selectionModel()->setCurrentIndex(next, QItemSelectionModel::NoUpdate);
    scrollTo(next);
    if (!customMouseDown_) {
      const int row = next.row();
      if ((event->modifiers() & Qt::ShiftModifier) && anchorRow_ >= 0) {
        selectRowIndexes(TableRowSelection::span(anchorRow_, row), false);
      } else {
        selectRowIndexes({row}, false);
        anchorRow_ = row;
      }
    }
  }
  event->accept();
}

bool CXTableViewWithEmptyHolder::viewportEvent(QEvent *event) {
  if (event->type() == QEvent::Leave || event->type() == QEvent::HoverLeave) setHoverRow(-1);
  return QAbstractItemView::viewportEvent(event);
}

void CXTableViewWithEmptyHolder::styleScrollBars() {
  const QString sheet = WindowAppearance::styleSheet(WindowAppearance::scheme(this));
  if (verticalScrollBar()->styleSheet() != sheet) verticalScrollBar()->setStyleSheet(sheet);
}

void CXTableViewWithEmptyHolder::changeEvent(QEvent *event) {
  // A scheme switch reaches the table as a palette change from its window.
  if (event->type() == QEvent::PaletteChange) styleScrollBars();
  QAbstractItemView::changeEvent(event);
}

void CXTableViewWithEmptyHolder::focusInEvent(QFocusEvent *event) {
  QAbstractItemView::focusInEvent(event);
  // Qt tells assistive technology about the list itself once this returns;
  // the current row follows, so that it is spoken with the list.
  QPointer<CXTableViewWithEmptyHolder> self(this);
  QTimer::singleShot(0, this, [self] {
    if (self && self->currentIndex().isValid())
      CXTableAccessible::currentRowChanged(self, self->currentIndex().row());
  });
}

void CXTableViewWithEmptyHolder::showEvent(QShowEvent *event) {
  styleScrollBars();
  QAbstractItemView::showEvent(event);
}
