#include "toolkit/CXTableViewWithEmptyHolder.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "toolkit/CXTableAccessible.h"
#include "toolkit/WindowAppearance.h"

CXTableViewWithEmptyHolder::CXTableViewWithEmptyHolder(QWidget *parent)
    : QAbstractItemView(parent) {
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
  placeholder_ = text;
  if (heights_.empty()) viewport()->update();
}

QModelIndex CXTableViewWithEmptyHolder::indexOfRow(int row) const {
  if (!model() || row < 0 || row >= numberOfRows()) return {};
  return model()->index(row, 0, rootIndex());
}

int CXTableViewWithEmptyHolder::rowHeight(int row) const {
  return row >= 0 && row < numberOfRows() ? heights_[size_t(row)] : 0;
}

QRect CXTableViewWithEmptyHolder::rectOfRow(int row) const {
  if (row < 0 || row >= numberOfRows()) return {};
  return QRect(0, tops_[size_t(row)] - verticalOffset(), viewport()->width(),
               heights_[size_t(row)]);
}

int CXTableViewWithEmptyHolder::rowAtContentY(int y) const {
  if (heights_.empty() || y < 0 || y >= contentHeight()) return -1;
  // The last row starting at or above y; rows of height 0 are skipped because
  // the row after them starts at the same y.
  auto it = std::upper_bound(tops_.begin(), tops_.end(), y);
  return int(it - tops_.begin()) - 1;
}

int CXTableViewWithEmptyHolder::rowAtPoint(const QPoint &point) const {
  if (point.x() < 0 || point.x() >= viewport()->width()) return -1;
  return rowAtContentY(point.y() + verticalOffset());
}

bool CXTableViewWithEmptyHolder::isRowSelectable(int row) const {
  const QModelIndex index = indexOfRow(row);
  return index.isValid() && (model()->flags(index) & Qt::ItemIsSelectable);
}

bool CXTableViewWithEmptyHolder::isRowSelected(int row) const {
  return row >= 0 && row < numberOfRows() && selected_[size_t(row)];
}

QList<int> CXTableViewWithEmptyHolder::selectedRowIndexes() const {
  QList<int> rows;
  rows.reserve(selectedCount_);
  for (size_t r = 0; r < selected_.size() && rows.size() < selectedCount_; ++r)
    if (selected_[r]) rows.append(int(r));
  return rows;
}

void CXTableViewWithEmptyHolder::setRowSelected(int row, bool selected, bool &changed) {
  unsigned char &flag = selected_[size_t(row)];
  if (bool(flag) == selected) return;
  if (selected && !isRowSelectable(row)) return;
  flag = selected ? 1 : 0;
  selectedCount_ += selected ? 1 : -1;
  changed = true;
}

void CXTableViewWithEmptyHolder::clearAllSelected(bool &changed) {
  if (selectedCount_ == 0) return;
  std::fill(selected_.begin(), selected_.end(), 0);
  selectedCount_ = 0;
  changed = true;
}

void CXTableViewWithEmptyHolder::announceSelection() {
  viewport()->update();
  emit selectedRowIndexesChanged(selectedRowIndexes());
}

void CXTableViewWithEmptyHolder::selectRowIndexes(const QList<int> &rows,
                                                  bool byExtendingSelection) {
  bool changed = false;
  if (!byExtendingSelection) {
    // Keep the rows that stay selected, so re-selecting the same set is no change.
    std::vector<unsigned char> wanted(selected_.size(), 0);
    for (int r : rows)
      if (r >= 0 && r < numberOfRows()) wanted[size_t(r)] = 1;
    for (int r = 0; r < numberOfRows(); ++r)
      if (selected_[size_t(r)] && !wanted[size_t(r)]) setRowSelected(r, false, changed);
  }
  for (int r : rows)
    if (r >= 0 && r < numberOfRows()) setRowSelected(r, true, changed);
  if (changed) announceSelection();
}

void CXTableViewWithEmptyHolder::deselectRow(int row) {
  if (row < 0 || row >= numberOfRows()) return;
  bool changed = false;
  setRowSelected(row, false, changed);
  if (changed) announceSelection();
}

bool CXTableViewWithEmptyHolder::toggleRow(int row) {
  if (row < 0 || row >= numberOfRows()) return false;
  bool changed = false;
  setRowSelected(row, !selected_[size_t(row)], changed);
  if (changed) {
    updateRow(row);
    emit selectedRowIndexesChanged(selectedRowIndexes());
  }
  return changed;
}

void CXTableViewWithEmptyHolder::selectAll() {
  if (!model()) return;
  bool changed = false;
  const QModelIndex root = rootIndex();
  for (int r = 0; r < numberOfRows(); ++r) {
    const bool selectable = model()->flags(model()->index(r, 0, root)) & Qt::ItemIsSelectable;
    unsigned char &flag = selected_[size_t(r)];
    if (bool(flag) != selectable) {
      flag = selectable ? 1 : 0;
      selectedCount_ += selectable ? 1 : -1;
      changed = true;
    }
  }
  if (changed) announceSelection();
}

void CXTableViewWithEmptyHolder::deselectAll() {
  bool changed = false;
  clearAllSelected(changed);
  if (changed) announceSelection();
}

// ---- layout -------------------------------------------------------------

int CXTableViewWithEmptyHolder::measureRow(int row, const QStyleOptionViewItem &option) const {
  const QModelIndex index = indexOfRow(row);
  QAbstractItemDelegate *delegate = itemDelegateForIndex(index);
  if (!delegate) return 0;
  return std::max(0, delegate->sizeHint(option, index).height());
}

void CXTableViewWithEmptyHolder::recomputeTops(int fromRow) {
  const int n = numberOfRows();
  tops_.resize(size_t(n) + 1);
  if (fromRow <= 0) {
    tops_[0] = 0;
    fromRow = 0;
  }
  for (int r = fromRow; r < n; ++r) tops_[size_t(r) + 1] = tops_[size_t(r)] + heights_[size_t(r)];
}

void CXTableViewWithEmptyHolder::remeasureAll() {
  const int n = model() ? model()->rowCount(rootIndex()) : 0;
  heights_.assign(size_t(n), 0);
  if (n > 0) {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    for (int r = 0; r < n; ++r) heights_[size_t(r)] = measureRow(r, option);
  }
  recomputeTops(0);
  if (selected_.size() != size_t(n)) {
    // Only reached when the model changed behind the view's back; drop what
    // no longer exists.
    bool changed = false;
    if (selected_.size() > size_t(n)) {
      for (size_t r = size_t(n); r < selected_.size(); ++r)
        if (selected_[r]) {
          --selectedCount_;
          changed = true;
        }
    }
    selected_.resize(size_t(n), 0);
    if (changed) announceSelection();
  }
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
  bool changed = false;
  clearAllSelected(changed);
  selected_.assign(size_t(newModel ? newModel->rowCount(rootIndex()) : 0), 0);
  remeasureAll();
  updateGeometries();
  if (changed) announceSelection();
  viewport()->update();
}

void CXTableViewWithEmptyHolder::reset() {
  QAbstractItemView::reset();
  bool changed = false;
  clearAllSelected(changed);
  anchorRow_ = -1;
  selected_.assign(size_t(model() ? model()->rowCount(rootIndex()) : 0), 0);
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
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    heights_.insert(heights_.begin() + start, size_t(count), 0);
    selected_.insert(selected_.begin() + start, size_t(count), 0);
    for (int r = start; r <= end; ++r) heights_[size_t(r)] = measureRow(r, option);
    recomputeTops(start);
    if (anchorRow_ >= start) anchorRow_ += count;
    if (selectedCount_ > 0) announceSelection();  // selected rows moved down
  }
  QAbstractItemView::rowsInserted(parent, start, end);
  updateGeometries();
  viewport()->update();
}

void CXTableViewWithEmptyHolder::rowsAboutToBeRemoved(const QModelIndex &parent, int start,
                                                      int end) {
  if (parent == rootIndex() && start >= 0 && end < numberOfRows() && end >= start) {
    bool movedOrLost = false;
    for (int r = start; r <= end; ++r)
      if (selected_[size_t(r)]) {
        --selectedCount_;
        movedOrLost = true;
      }
    if (!movedOrLost)
      for (size_t r = size_t(end) + 1; r < selected_.size() && !movedOrLost; ++r)
        movedOrLost = selected_[r];
    heights_.erase(heights_.begin() + start, heights_.begin() + end + 1);
    selected_.erase(selected_.begin() + start, selected_.begin() + end + 1);
    recomputeTops(start);
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
  rememberedSelection_.reserve(selectedCount_);
  for (int r : selectedRowIndexes())
    rememberedSelection_.append(QPersistentModelIndex(indexOfRow(r)));
}

void CXTableViewWithEmptyHolder::restoreSelection() {
  const QList<QPersistentModelIndex> remembered = std::exchange(rememberedSelection_, {});
  const QList<int> before = selectedRowIndexes();
  std::fill(selected_.begin(), selected_.end(), 0);
  selectedCount_ = 0;
  remeasureAll();
  selected_.assign(heights_.size(), 0);
  for (const QPersistentModelIndex &index : remembered) {
    if (!index.isValid() || index.parent() != rootIndex()) continue;
    bool ignored = false;
    setRowSelected(index.row(), true, ignored);
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
      QStyleOptionViewItem option;
      initViewItemOption(&option);
      bool heightChanged = false;
      for (int r = first; r <= last; ++r) {
        const int h = measureRow(r, option);
        if (h != heights_[size_t(r)]) {
          heights_[size_t(r)] = h;
          heightChanged = true;
        }
      }
      if (heightChanged) {
        recomputeTops(first);
        updateGeometries();
      }
      // A row that stopped being selectable leaves the selection.
      bool changed = false;
      for (int r = first; r <= last; ++r)
        if (selected_[size_t(r)] && !isRowSelectable(r)) setRowSelected(r, false, changed);
      if (changed) announceSelection();
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
  bar->setRange(0, std::max(0, contentHeight() - page));
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
  const int top = tops_[size_t(index.row())];
  const int bottom = top + heights_[size_t(index.row())];
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
      const int y = (current < 0 ? 0 : tops_[size_t(current)]) - viewport()->height();
      target = y <= 0 ? 0 : rowAtContentY(y);
      step = -1;
      break;
    }
    case MovePageDown: {
      const int y = (current < 0 ? 0 : tops_[size_t(current)]) + viewport()->height();
      target = y >= contentHeight() ? n - 1 : rowAtContentY(y);
      break;
    }
    default:
      return currentIndex();
  }
  target = std::clamp(target, 0, n - 1);
  // Land on a row the user can act on; rows that cannot be selected (such as
  // separators) are passed over.
  for (int r = target; r >= 0 && r < n; r += step)
    if (isRowSelectable(r)) return indexOfRow(r);
  for (int r = target; r >= 0 && r < n; r -= step)
    if (isRowSelectable(r)) return indexOfRow(r);
  return currentIndex();
}

void CXTableViewWithEmptyHolder::setSelection(const QRect &rect,
                                              QItemSelectionModel::SelectionFlags command) {
  bool changed = false;
  if (command & QItemSelectionModel::Clear) clearAllSelected(changed);
  const QRect area = rect.normalized();
  const int first = rowAtPoint(QPoint(0, std::max(0, area.top())));
  if (first >= 0) {
    for (int r = first; r < numberOfRows() && tops_[size_t(r)] - verticalOffset() <= area.bottom();
         ++r) {
      if (command & QItemSelectionModel::Toggle)
        setRowSelected(r, !selected_[size_t(r)], changed);
      else if (command & QItemSelectionModel::Deselect)
        setRowSelected(r, false, changed);
      else if (command & QItemSelectionModel::Select)
        setRowSelected(r, true, changed);
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
    region += QRect(0, tops_[size_t(first)] - verticalOffset(), viewport()->width(),
                    tops_[size_t(last) + 1] - tops_[size_t(first)]);
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
    return isRowSelectable(r) ? indexOfRow(r).data(Qt::DisplayRole).toString() : QString();
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
  if (heights_.empty()) {
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
  int row = rowAtContentY(std::max(0, area.top() + offset));
  if (row < 0) return;
  for (; row < numberOfRows(); ++row) {
    const int top = tops_[size_t(row)] - offset;
    if (top > area.bottom()) break;
    const int height = heights_[size_t(row)];
    if (height == 0) continue;
    const QModelIndex index = indexOfRow(row);
    QStyleOptionViewItem option = base;
    option.rect = QRect(0, top, width, height);
    const Qt::ItemFlags flags = model()->flags(index);
    option.state &= ~(QStyle::State_Selected | QStyle::State_MouseOver | QStyle::State_HasFocus |
                      QStyle::State_Enabled | QStyle::State_Active);
    if (flags & Qt::ItemIsEnabled) option.state |= QStyle::State_Enabled;
    if (activeWindow) option.state |= QStyle::State_Active;
    if (selected_[size_t(row)]) option.state |= QStyle::State_Selected;
    if (row == hoverRow_) option.state |= QStyle::State_MouseOver;
    if (row == current && focused) option.state |= QStyle::State_HasFocus;
    if (QAbstractItemDelegate *delegate = itemDelegateForIndex(index))
      delegate->paint(&painter, option, index);
    if (option.state & QStyle::State_HasFocus) {
      // The row that Space ticks, outlined so that the keyboard user sees it.
      painter.save();
      painter.setRenderHint(QPainter::Antialiasing);
      painter.setPen(QPen(WindowAppearance::accentColor(), 1.5));
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
    QList<int> range;
    for (int r = std::min(anchorRow_, row); r <= std::max(anchorRow_, row); ++r) range.append(r);
    selectRowIndexes(range, false);
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
        QList<int> range;
        for (int r = std::min(anchorRow_, row); r <= std::max(anchorRow_, row); ++r)
          range.append(r);
        selectRowIndexes(range, false);
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
  const QString sheet = WindowAppearance::styleSheet(WindowAppearance::isDark(this));
  if (verticalScrollBar()->styleSheet() != sheet) verticalScrollBar()->setStyleSheet(sheet);
}

void CXTableViewWithEmptyHolder::changeEvent(QEvent *event) {
  // A scheme switch reaches the table as a palette change from its window.
  if (event->type() == QEvent::PaletteChange) styleScrollBars();
  QAbstractItemView::changeEvent(event);
}

void CXTableViewWithEmptyHolder::showEvent(QShowEvent *event) {
  styleScrollBars();
  QAbstractItemView::showEvent(event);
}
