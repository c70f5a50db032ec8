// A list of feed rows with separator lines and check marks, laid out as the export
// list shows it, in both schemes; and the empty table with its placeholder.
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "Screenshot.h"
#include "export/CXSeparatorCellView.h"
#include "toolkit/CXButton.h"
#include "toolkit/CXCheckMarkTableRowView.h"
#include "toolkit/CXHLView.h"
#include "toolkit/CXTableViewWithEmptyHolder.h"
#include "toolkit/CheckableListModel.h"
#include "toolkit/TitleBarButtons.h"
#include "toolkit/WindowAppearance.h"

namespace {

const char *const kTitles[] = {
    "Ars Technica",
    "Daring Fireball",
    "The Verge",
    "Hacker News: Front Page",
    "Kottke.org",
    "Six Colors",
    "MacStories",
    "NASA Image of the Day",
    "BBC News - World",
    "Smashing Magazine",
    "A List Apart",
    "xkcd",
    "Stratechery",
    "The Old New Thing",
    "LWN.net",
    "Julia Evans",
    "Marginal REVOLUTION",
    "Planet Qt",
    "Bartosz Ciechanowski",
    "Craig Mod",
};

class Feeds : public CheckableListModel {
 public:
  explicit Feeds(int count) {
    beginResetModel();
    resetItems(count);
    endResetModel();
  }

 protected:
  QVariant itemData(int item, int role) const override {
    if (role != Qt::DisplayRole) return {};
    return QString::fromUtf8(kTitles[item % std::size(kTitles)]);
  }
};

// A row: the check-mark row painter and the title in its upper 17 points, the
// separator cell in the point under them.
class Rows : public QStyledItemDelegate {
 public:
  Rows() {
    rowView_.setIsLeftMark(false);
    rowView_.setShiftValue(10.0f);
  }
  QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override {
    return {200, 18};
  }
  void paint(QPainter *p, const QStyleOptionViewItem &option,
             const QModelIndex &index) const override {
    const ColorScheme scheme = WindowAppearance::scheme(option.widget);
    const QRect feed = option.rect.adjusted(0, 0, 0, -1);
    rowView_.paint(p, feed, index.data(Qt::CheckStateRole).toInt() == Qt::Checked,
                   option.state & QStyle::State_MouseOver, scheme);
    p->save();
    p->setPen(option.palette.color(QPalette::Text));
    QFont f = option.font;
    f.setPixelSize(13);
    p->setFont(f);
    const QRect text = feed.adjusted(14, 0, -32, 0);
    p->drawText(text, Qt::AlignVCenter | Qt::AlignLeft,
                p->fontMetrics().elidedText(index.data().toString(), Qt::ElideRight, text.width()));
    p->restore();
    if (option.state & QStyle::State_HasFocus) {
      p->save();
      p->setRenderHint(QPainter::Antialiasing);
      p->setPen(QPen(WindowAppearance::accentColor(scheme), 1.5));
      p->drawRoundedRect(QRectF(feed).adjusted(1.5, 0.75, -1.5, -0.75), 3, 3);
      p->restore();
    }
    separator_.drawRect(p, QRectF(option.rect.left(), option.rect.bottom(), option.rect.width(), 1),
                        option.widget);
  }

 private:
  CXCheckMarkTableRowView rowView_;
  CXSeparatorCellView separator_;
};

struct ListWindow {
  QWidget window;
  CXTableViewWithEmptyHolder *table = nullptr;
  Feeds model;
  Rows rows;

  ListWindow(bool dark, int feeds) : model(feeds) {
    window.setWindowFlags(Qt::FramelessWindowHint);
    window.resize(380, 460);
    WindowAppearance::set(&window,
                          dark ? NSAppearanceNameVibrantDark : NSAppearanceNameVibrantLight);
    window.setAutoFillBackground(true);

    auto *column = new QVBoxLayout(&window);
    column->setContentsMargins(0, 0, 0, 14);
    column->setSpacing(0);

    auto *controls = new QWidget(&window);
    controls->setFixedHeight(24);
    column->addWidget(controls);
    const TitleBarButtons::Kind kinds[] = {
        TitleBarButtons::Kind::Close, TitleBarButtons::Kind::Minimize, TitleBarButtons::Kind::Zoom};
    for (int i = 0; i < 3; ++i)
      TitleBarButtons::createButton(kinds[i], &window, controls, QStringLiteral("groupDoc"),
                                    {8.0 + 20 * i, 4});

    auto *heading = new QLabel(QStringLiteral("Choose the feeds to export"), &window);
    QFont hf = heading->font();
    hf.setPixelSize(13);
    hf.setWeight(QFont::Medium);
    heading->setFont(hf);
    heading->setContentsMargins(14, 6, 14, 8);
    column->addWidget(heading);

    auto *rule = new CXHLView(&window);
    column->addWidget(rule);

    table = new CXTableViewWithEmptyHolder(&window);
    table->setFrameShape(QFrame::NoFrame);
    table->setItemDelegate(&rows);
    table->setModel(&model);
    table->setIsCustomMouseDown(true);
    table->setPlaceholderText(QStringLiteral("No feeds to export"));
    QPalette tp = table->palette();
    tp.setColor(QPalette::Base, window.palette().color(QPalette::Window));
    table->setPalette(tp);
    column->addWidget(table, 1);

    column->addWidget(new CXHLView(&window));
    column->addSpacing(12);
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(14, 0, 14, 0);
    buttons->setSpacing(8);
    auto *selectAll = new CXButton(QStringLiteral("Select All"), &window);
    auto *deselectAll = new CXButton(QStringLiteral("Deselect All"), &window);
    auto *exportButton = new CXButton(QStringLiteral("Export\u2026"), &window);
    exportButton->setDefault(true);
    buttons->addWidget(selectAll);
    buttons->addWidget(deselectAll);
    buttons->addStretch(1);
    buttons->addWidget(exportButton);
    column->addLayout(buttons);
    if (feeds == 0) {
      selectAll->setEnabled(false);
      deselectAll->setEnabled(false);
      exportButton->setEnabled(false);
    }
  }
};

}  // namespace

ORVELLA_SCREENSHOT_SCENE(feed_table) {
  for (bool dark : {true, false}) {
    ListWindow list(dark, 40);
    list.table->selectAll();
    // A few unticked feeds, as after the user went through the list.
    for (int row : {2, 5, 6, 11}) list.table->toggleRow(row);
    list.window.show();
    list.window.activateWindow();
    ctx.save(QStringLiteral("feed-table-%1").arg(schemeName(dark)),
             onBackdrop(ScreenshotContext::grab(&list.window), dark));

    ListWindow empty(dark, 0);
    empty.window.show();
    ctx.save(QStringLiteral("feed-table-empty-%1").arg(schemeName(dark)),
             onBackdrop(ScreenshotContext::grab(&empty.window), dark));
  }
}
