#include "toolkit/TableRowsView.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "toolkit/WindowAppearance.h"

TableRowsView::TableRowsView(QWidget *parent)
    : QAbstractItemView(parent),
      selection_([this](int row) { return isRowSelectable(row); }),
      items_([this] { return numberOfRows(); }, [this](int row) { return isItem(row); }) {
  setSelectionMode(QAbstractItemView::MultiSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  setMouseTracking(true);
  viewport()->setAttribute(Qt::WA_Hover);
}

QModelIndex TableRowsView::indexOfRow(int row) const {
  if (!model() || row < 0 || row >= numberOfRows()) return {};
  return model()->index(row, 0, rootIndex());
}

QRect TableRowsView::rectOfRow(int row) const {
  if (row < 0 || row >= numberOfRows()) return {};
  return QRect(0, heights_.top(row) - verticalOffset(), viewport()->width(), heights_.height(row));
}

int TableRowsView::rowAtPoint(const QPoint &point) const {
  if (point.x() < 0 || point.x() >= viewport()->width()) return -1;
  return heights_.rowAt(point.y() + verticalOffset());
}

bool TableRowsView::isRowSelectable(int row) const {
  const QModelIndex index = indexOfRow(row);
  return index.isValid() && (model()->flags(index) & Qt::ItemIsSelectable);
}

void TableRowsView::announceSelection() {
  viewport()->update();
  emit selectedRowIndexesChanged(selectedRowIndexes());
}

void TableRowsView::deselectRowIndexes(const QList<int> &rows) {
  bool changed = false;
  for (int row : rows) changed = selection_.set(row, false) || changed;
  if (changed) announceSelection();
}

bool TableRowsView::toggleRow(int row) {
  const bool changed = selection_.toggle(row);
  if (changed) {
    updateRow(row);
    emit selectedRowIndexesChanged(selectedRowIndexes());
  }
  return changed;
}

bool TableRowsView::hasHiddenRows() const {
  for (int r = 0; r < numberOfRows(); ++r)
    if (!isRowShown(r)) return true;
  return false;
}

void TableRowsView::selectAll() {
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

void TableRowsView::deselectAll() {
  if (!hasHiddenRows()) {
    if (selection_.clear()) announceSelection();
    return;
  }
  deselectRowIndexes(shownRows());
}

QList<int> TableRowsView::shownRows() const {
  QList<int> rows;
  for (int r = 0; r < numberOfRows(); ++r)
    if (isRowShown(r)) rows.append(r);
  return rows;
}

void TableRowsView::followShownRows() {
  const QModelIndex current = currentIndex();
  if (current.isValid() && !isRowShown(current.row()))
    selectionModel()->setCurrentIndex(indexOfRow(items_.rowOf(0)), QItemSelectionModel::NoUpdate);
  QAccessibleTableModelChangeEvent change(this, QAccessibleTableModelChangeEvent::ModelReset);
  QAccessible::updateAccessibility(&change);
}

// ---- layout -------------------------------------------------------------

std::vector<int> TableRowsView::measureRows(int first, int last) const {
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

void TableRowsView::remeasureAll() {
  const int n = model() ? model()->rowCount(rootIndex()) : 0;
  heights_.assign(measureRows(0, n - 1));
  items_.markStale();
  // Only when the model changed behind the view's back does the selection
  // hold another number of rows; what no longer exists is dropped.
  if (selection_.rowCount() != n && selection_.resize(n)) announceSelection();
  hoverRow_ = -1;
}

void TableRowsView::setModel(QAbstractItemModel *newModel) {
  // Qt ignores the model it already has; dropping its connections first
  // would leave the view deaf to it.
  if (newModel == model()) return;
  if (model()) disconnect(model(), nullptr, this, nullptr);
  QAbstractItemView::setModel(newModel);
  if (newModel) {
    connect(newModel, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex &parent, int, int) { onRowsRemoved(parent); });
    connect(newModel, &QAbstractItemModel::layoutAboutToBeChanged, this,
            &TableRowsView::rememberSelection);
    connect(newModel, &QAbstractItemModel::layoutChanged, this, &TableRowsView::restoreSelection);
    connect(newModel, &QAbstractItemModel::rowsAboutToBeMoved, this,
            &TableRowsView::rememberSelection);
    connect(newModel, &QAbstractItemModel::rowsMoved, this, &TableRowsView::restoreSelection);
  }
  const bool changed = selection_.reset(newModel ? newModel->rowCount(rootIndex()) : 0);
  remeasureAll();
  updateGeometries();
  if (changed) announceSelection();
  viewport()->update();
}

void TableRowsView::reset() {
  QAbstractItemView::reset();
  const bool changed = selection_.reset(model() ? model()->rowCount(rootIndex()) : 0);
  anchorRow_ = -1;
  remeasureAll();
  updateGeometries();
  viewport()->update();
  if (changed) announceSelection();
}

void TableRowsView::rowsInserted(const QModelIndex &parent, int start, int end) {
  if (parent == rootIndex() && start >= 0 && end >= start && start <= numberOfRows()) {
    const int count = end - start + 1;
    heights_.insert(start, measureRows(start, end));
    selection_.insertRows(start, count);
    items_.markStale();
    if (anchorRow_ >= start) anchorRow_ += count;
    if (selection_.count() > 0) announceSelection();  // selected rows moved down
  }
  QAbstractItemView::rowsInserted(parent, start, end);
  updateGeometries();
  viewport()->update();
}

void TableRowsView::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) {
  if (parent == rootIndex() && start >= 0 && end < numberOfRows() && end >= start) {
    const bool movedOrLost = selection_.removeRows(start, end);
    heights_.remove(start, end);
    items_.markStale();
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

void TableRowsView::onRowsRemoved(const QModelIndex &parent) {
  if (parent != rootIndex()) return;
  // Made again from the model without the rows.
  items_.markStale();
  updateGeometries();
  viewport()->update();
  if (pendingAnnounce_) {
    pendingAnnounce_ = false;
    announceSelection();
  }
}

void TableRowsView::rememberSelection() {
  rememberedSelection_.clear();
  rememberedSelection_.reserve(selection_.count());
  for (int r : selectedRowIndexes())
    rememberedSelection_.append(QPersistentModelIndex(indexOfRow(r)));
}

void TableRowsView::restoreSelection() {
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

void TableRowsView::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                                const QList<int> &roles) {
  if (topLeft.isValid() && topLeft.parent() == rootIndex() && bottomRight.isValid()) {
    const int first = std::max(0, topLeft.row());
    const int last = std::min(numberOfRows() - 1, bottomRight.row());
    if (first <= last) {
      // A row may have been hidden, shown, or made selectable or not.
      items_.markStale();
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

void TableRowsView::updateGeometries() {
  QScrollBar *bar = verticalScrollBar();
  const int page = viewport()->height();
  bar->setPageStep(page);
  bar->setSingleStep(17);
  bar->setRange(0, std::max(0, heights_.contentHeight() - page));
  horizontalScrollBar()->setRange(0, 0);
  QAbstractItemView::updateGeometries();
}

int TableRowsView::verticalOffset() const { return verticalScrollBar()->value(); }

// ---- item view plumbing ------------------------------------------------

QRect TableRowsView::visualRect(const QModelIndex &index) const {
  if (!index.isValid() || index.parent() != rootIndex()) return {};
  return rectOfRow(index.row());
}

void TableRowsView::scrollTo(const QModelIndex &index, ScrollHint hint) {
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

void TableRowsView::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) {
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

QRegion TableRowsView::visualRegionForSelection(const QItemSelection &selection) const {
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

QModelIndexList TableRowsView::selectedIndexes() const {
  QModelIndexList list;
  for (int r : selectedRowIndexes()) list.append(indexOfRow(r));
  return list;
}

// ---- painting and the pointer --------------------------------------------

void TableRowsView::setHoverRow(int row) {
  if (row == hoverRow_) return;
  updateRow(hoverRow_);
  hoverRow_ = row;
  updateRow(hoverRow_);
}

void TableRowsView::paintEvent(QPaintEvent *event) {
  QPainter painter(viewport());
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

void TableRowsView::mouseMoveEvent(QMouseEvent *event) {
  setHoverRow(rowAtPoint(event->position().toPoint()));
  event->accept();
}

bool TableRowsView::viewportEvent(QEvent *event) {
  if (event->type() == QEvent::Leave || event->type() == QEvent::HoverLeave) setHoverRow(-1);
  return QAbstractItemView::viewportEvent(event);
}
