#include "export/CXExportListDelegate.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include "export/CXExportListModel.h"
#include "toolkit/CXCheckMarkTableRowView.h"
#include "toolkit/WindowAppearance.h"

namespace {

// Room kept free at the right of a feed row for the check mark and its margin.
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
                                     const QModelIndex &index) const {
  const int height = index.data(CXExportListModel::kRowHeightRole).toInt();
  return {option.rect.width() > 0 ? option.rect.width() : 100, height};
}

QRect CXExportListDelegate::titleRect(const QRect &rowRect) {
  return rowRect.adjusted(int(CXSeparatorCellView::kIndent), 0, -kMarkArea, 0);
}

QString CXExportListDelegate::shownTitle(const QString &title, const QFont &font,
                                         const QRect &rowRect) {
  QFont sized = font;
  sized.setPixelSize(kTitlePixelSize);
  return QFontMetrics(sized).elidedText(oneLine(title), Qt::ElideRight, titleRect(rowRect).width());
}

bool CXExportListDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                                     const QStyleOptionViewItem &option, const QModelIndex &index) {
  if (!event || event->type() != QEvent::ToolTip)
    return QStyledItemDelegate::helpEvent(event, view, option, index);
  const QString title = index.isValid() && !index.data(CXExportListModel::kIsSeparatorRole).toBool()
                            ? index.data(Qt::DisplayRole).toString()
                            : QString();
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
  const QString shown = shownTitle(title, font, option.rect);
  painter->drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, shown);
  painter->restore();
}
