#include "export/CXExportListDelegate.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include "export/CXExportListModel.h"
#include "toolkit/CXCheckMarkTableRowView.h"
#include "toolkit/TextScale.h"
#include "toolkit/WindowAppearance.h"

namespace {

// Room kept free at the right of a row for the check mark and its margin.
constexpr int kMarkArea = 10 + int(CXCheckMarkTableRowView::kMarkWidth) + 8;

// One line whatever the title holds: line breaks and tabs become spaces.
QString oneLine(QString title) {
  for (QChar &c : title)
    if (c.unicode() < 0x20) c = QLatin1Char(' ');
  return title;
}

}  // namespace

CXExportListDelegate::CXExportListDelegate(CXCheckMarkTableRowView rowView, QObject *parent)
    : QStyledItemDelegate(parent), rowView_(rowView) {}

QSize CXExportListDelegate::sizeHint(const QStyleOptionViewItem &option,
                                     const QModelIndex &) const {
  return {option.rect.width() > 0 ? option.rect.width() : 100, rowHeight()};
}

QRect CXExportListDelegate::feedRect(const QRect &rowRect) {
  return rowRect.adjusted(0, 0, 0, -CXExportListModel::kSeparatorHeight);
}

QRect CXExportListDelegate::titleRect(const QRect &rowRect, Qt::LayoutDirection direction) {
  const int indent = int(CXSeparatorCellView::kIndent);
  const QRect feed = feedRect(rowRect);
  return direction == Qt::RightToLeft ? feed.adjusted(kMarkArea, 0, -indent, 0)
                                      : feed.adjusted(indent, 0, -kMarkArea, 0);
}

QString CXExportListDelegate::shownTitle(const QString &title, const QFont &font,
                                         const QRect &rowRect) {
  return QFontMetrics(TextScale::sized(font, kTitlePixelSize))
      .elidedText(oneLine(title), Qt::ElideRight, titleRect(rowRect).width());
}

bool CXExportListDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                                     const QStyleOptionViewItem &option, const QModelIndex &index) {
  if (!event || event->type() != QEvent::ToolTip)
    return QStyledItemDelegate::helpEvent(event, view, option, index);
  const QString title = index.isValid() ? index.data(Qt::DisplayRole).toString() : QString();
  if (title.isEmpty() || shownTitle(title, option.font, option.rect) == oneLine(title)) {
    QToolTip::hideText();
    event->ignore();
    return true;
  }
  QToolTip::showText(event->globalPos(), title, view, option.rect);
  return true;
}

void CXExportListDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                 const QModelIndex &index) const {
  if (!painter || !index.isValid()) return;
  const ColorScheme scheme = WindowAppearance::scheme(option.widget);
  const bool ticked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
  const bool hovered = option.state & QStyle::State_MouseOver;
  const QRect feed = feedRect(option.rect);
  // Right to left, the row is mirrored: the mark at the other edge, the title
  // clear of it, the separator's indent on the right.
  CXCheckMarkTableRowView rowView = rowView_;
  if (option.direction == Qt::RightToLeft) rowView.setIsLeftMark(!rowView_.isLeftMark());
  rowView.paint(painter, feed, ticked, hovered, scheme);
  paintTitle(painter, option, index.data(Qt::DisplayRole).toString());
  if (option.state & QStyle::State_HasFocus) {
    // The row that Space ticks, outlined so that the keyboard user sees it.
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(WindowAppearance::accentColor(scheme), 1.5));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(QRectF(feed).adjusted(1.5, 0.75, -1.5, -0.75), 3, 3);
    painter->restore();
  }
  paintSeparator(painter, option);
}

void CXExportListDelegate::paintTitle(QPainter *painter, const QStyleOptionViewItem &option,
                                      const QString &title) const {
  if (title.isEmpty()) return;
  painter->save();
  const QFont font = TextScale::sized(option.font, kTitlePixelSize);
  painter->setFont(font);
  const QPalette &palette = option.palette;
  painter->setPen(
      palette.color((option.state & QStyle::State_Enabled) ? QPalette::Active : QPalette::Disabled,
                    QPalette::Text));
  const QRect textRect = titleRect(option.rect, option.direction);
  const QString shown = shownTitle(title, font, option.rect);
  // The title sits at the row's leading edge but reads in its own direction:
  // "Standard C++" stays so in a right-to-left window, and a Hebrew title
  // reads right to left in a left-to-right one.
  const Qt::Alignment edge = option.direction == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft;
  painter->setLayoutDirection(shown.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
  painter->drawText(textRect, Qt::AlignVCenter | edge | Qt::AlignAbsolute | Qt::TextSingleLine,
                    shown);
  painter->restore();
}

void CXExportListDelegate::paintSeparator(QPainter *painter,
                                          const QStyleOptionViewItem &option) const {
  const QRect line(option.rect.left(),
                   option.rect.bottom() + 1 - CXExportListModel::kSeparatorHeight,
                   option.rect.width(), CXExportListModel::kSeparatorHeight);
  separatorCell_.setIsBlockSeparator(false);
  const bool mirrored = option.direction == Qt::RightToLeft;
  if (mirrored) {
    painter->save();
    painter->translate(line.left() + line.right() + 1, 0);
    painter->scale(-1, 1);
  }
  separatorCell_.drawRect(painter, QRectF(line), option.widget);
  if (mirrored) painter->restore();
}

int CXExportListDelegate::rowHeight() {
  return TextScale::scaled(CXExportListModel::kFeedRowHeight) + CXExportListModel::kSeparatorHeight;
}
