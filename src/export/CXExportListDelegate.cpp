#include "export/CXExportListDelegate.h"

#include <QPainter>

#include "export/CXExportListModel.h"
#include "toolkit/CXCheckMarkTableRowView.h"
#include "toolkit/WindowAppearance.h"

namespace {

// Room kept free at the right of a feed row for the check mark and its margin.
constexpr int kMarkArea = 10 + int(CXCheckMarkTableRowView::kMarkWidth) + 8;

}  // namespace

CXExportListDelegate::CXExportListDelegate(CXCheckMarkTableRowView rowView, QObject *parent)
    : QStyledItemDelegate(parent), rowView_(rowView) {}

QSize CXExportListDelegate::sizeHint(const QStyleOptionViewItem &option,
                                     const QModelIndex &index) const {
  const int height = index.data(CXExportListModel::kRowHeightRole).toInt();
  return {option.rect.width() > 0 ? option.rect.width() : 100, height};
}

QRect CXExportListDelegate::titleRect(const QRect &rowRect) {
  return rowRect.adjusted(int(CXSeparatorCellView::kIndent), 0, -kMarkArea, 0);
}

void CXExportListDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                 const QModelIndex &index) const {
  if (!painter || !index.isValid()) return;
  const ColorScheme scheme = WindowAppearance::scheme(option.widget);
  const bool selected = option.state & QStyle::State_Selected;
  const bool hovered = option.state & QStyle::State_MouseOver;
  rowView_.paint(painter, option.rect, selected, hovered, scheme);

  if (index.data(CXExportListModel::kIsSeparatorRole).toBool()) {
    separatorCell_.setIsBlockSeparator(false);
    separatorCell_.drawRect(painter, QRectF(option.rect), option.widget);
    return;
  }

  const QString title = index.data(Qt::DisplayRole).toString();
  if (title.isEmpty()) return;
  painter->save();
  QFont font = option.font;
  font.setPixelSize(kTitlePixelSize);
  painter->setFont(font);
  const QPalette &palette = option.palette;
  painter->setPen(
      palette.color((option.state & QStyle::State_Enabled) ? QPalette::Active : QPalette::Disabled,
                    QPalette::Text));
  const QRect textRect = titleRect(option.rect);
  // One line whatever the title holds: line breaks and tabs become spaces.
  QString line = title;
  for (QChar &c : line)
    if (c.unicode() < 0x20) c = QLatin1Char(' ');
  const QString shown = QFontMetrics(font).elidedText(line, Qt::ElideRight, textRect.width());
  painter->drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, shown);
  painter->restore();
}
