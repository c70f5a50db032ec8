#include "export/CXExportListVC.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QStyle>

#include "export/CXExportListDelegate.h"
#include "export/CXProgressIndicator.h"
#include "export/ExportListAnnouncer.h"
#include "export/ExportListNotices.h"
#include "export/FeedFilter.h"
#include "export/ReadOutcomeNotice.h"
#include "platform/Localized.h"
#include "platform/Log.h"
#include "store/CXExportStorage.h"
#include "toolkit/CXButton.h"
#include "toolkit/CXHLView.h"
#include "toolkit/CXTableViewWithEmptyHolder.h"
#include "toolkit/FilterField.h"
#include "toolkit/TextScale.h"
#include "ui_ExportList.h"

namespace {

QString text(const char *key) { return localized("CXInterfaceString", key); }
QString counted(const char *key, std::size_t n) {
  return localized("CXInterfaceString", key, qint64(n));
}

std::vector<int> toVector(const QList<int> &list) { return {list.cbegin(), list.cend()}; }

// Every row of the export list paints its check mark at the right edge.
CXCheckMarkTableRowView exportRowView() {
  CXCheckMarkTableRowView rowView;
  rowView.setIsLeftMark(false);
  rowView.setShiftValue(CXExportListVC::kCheckMarkShift);
  return rowView;
}

}  // namespace

CXExportListVC::CXExportListVC(CXExportStorage *storage, QObject *parent)
    : QObject(parent),
      storage_(storage),
      model_(new CXExportListModel(this)),
      delegate_(new CXExportListDelegate(exportRowView(), this)) {}

CXExportListVC::~CXExportListVC() {
  if (!view_) return;
  // The view may outlive the controller inside its holder; leave it with no
  // model or painter that points back here.
  if (CXTableViewWithEmptyHolder *table = exportTableView()) {
    disconnect(table, nullptr, this, nullptr);
    table->setModel(nullptr);
    table->setItemDelegate(nullptr);
  }
  view_->removeEventFilter(this);
  if (!view_->parent()) delete view_.data();
}

CXExportStorage &CXExportListVC::storage() const {
  return storage_ ? *storage_ : CXExportStorage::defaultManager();
}

QWidget *CXExportListVC::view() {
  if (!view_) loadView();
  return view_;
}

void CXExportListVC::loadView() {
  if (view_) return;
  auto *root = new QWidget;
  ui_ = std::make_unique<Ui::ExportList>();
  ui_->setupUi(root);
  view_ = root;
  root->installEventFilter(this);

  ui_->headerTitleLabel->setText(text("Export Subscriptions"));
  ui_->headerDetailLabel->setText(text("Tick the feeds to include in the OPML file."));
  ui_->selectAllButton->setText(text("Select All"));
  ui_->deselectAllButton->setText(text("Deselect All"));
  ui_->exportButton->setText(text("Export…"));
  ui_->exportButton->setDefault(true);
  ui_->tryAgainButton->setText(text("Try Again"));
  ui_->retryLayout->setAlignment(ui_->tryAgainButton, Qt::AlignHCenter);
  // Under the placeholder, on the list's own background.
  ui_->retryBar->setBackgroundRole(QPalette::Base);
  ui_->retryBar->setAutoFillBackground(true);
  connect(ui_->tryAgainButton, &QAbstractButton::clicked, this, &CXExportListVC::tryAgain);
  ui_->selectionCountLabel->clear();
  applyHeaderFonts();
  // A wrapped label aligns its lines by the text's own direction; the window's
  // decides, so that right to left they start at the right edge.
  for (QLabel *wrapped : {ui_->headerDetailLabel, ui_->readWarningLabel})
    wrapped->setAlignment(
        Qt::AlignAbsolute | Qt::AlignVCenter |
        QStyle::visualAlignment(QGuiApplication::layoutDirection(), Qt::AlignLeft));

  makeFilterField();
  notices_ = new ExportListNotices(view_, ui_->readWarningLabel, model_);
  announcer_ = new ExportListAnnouncer(view_, ui_->selectionCountLabel, ui_->buttonLayout,
                                       ui_->buttonLayout->indexOf(ui_->exportProgress));
  connect(ui_->exportTableView, &CXTableViewWithEmptyHolder::shownRowsTicked, announcer_,
          &ExportListAnnouncer::bulkTicked);

  CXTableViewWithEmptyHolder *table = ui_->exportTableView;
  table->setAccessibleName(text("Feeds"));
  table->setItemDelegate(delegate_);
  table->setModel(model_);
}

void CXExportListVC::makeFilterField() {
  filterField_ = new FilterField(ui_->headerView);
  filterField_->setObjectName(QStringLiteral("filterField"));
  filterField_->setPlaceholderText(text("Filter feeds"));
  filterField_->setAccessibleName(text("Filter feeds"));
  filterField_->setClearButtonEnabled(true);
  filterField_->setEnabled(false);  // until there are feeds to filter
  ui_->headerLayout->addWidget(filterField_, ui_->headerLayout->rowCount(), 0, 1, 2);
  filterField_->installEventFilter(this);
  connect(filterField_, &QLineEdit::textChanged, this, &CXExportListVC::applyFilter);
  auto *find = new QShortcut(QKeySequence::Find, view_);
  find->setContext(Qt::WidgetWithChildrenShortcut);
  connect(find, &QShortcut::activated, this, [this] {
    if (!filterField_->isEnabled()) return;
    filterField_->setFocus(Qt::ShortcutFocusReason);
    filterField_->selectAll();
  });
}

void CXExportListVC::applyFilter() {
  const QString wanted = filterField_ ? filterField_->text() : QString();
  // The keyboard stays on the feed it was on while that one is shown.
  CXTableViewWithEmptyHolder *table = exportTableView();
  const int currentFeed = model_->itemOfRow(table->currentIndex().row());
  if (!model_->feeds() || (wanted.trimmed().isEmpty() && !filter_)) {
    model_->setShownFeeds({});
  } else {
    if (!filter_) filter_ = std::make_unique<FeedFilter>(*model_->feeds());
    model_->setShownFeeds(filter_->shown(wanted));
  }
  if (!table->currentIndex().isValid() && model_->rowCount() > 0)
    table->selectionModel()->setCurrentIndex(
        model_->index(std::max(0, model_->rowOfItem(currentFeed))), QItemSelectionModel::NoUpdate);
  const bool filtered = model_->isFiltered();
  selectAllButton()->setText(text(filtered ? "Select Shown" : "Select All"));
  deselectAllButton()->setText(text(filtered ? "Deselect Shown" : "Deselect All"));
  const QString noMatch = text("No feed matches “%1”.").arg(wanted.trimmed());
  table->setNoMatchText(noMatch);
  updateCountLabel();
  announcer_->filterChanged(filtered, shownFeedsCount(), noMatch);
  emit selectionDidChange();
}

void CXExportListVC::tellNothingTicked() {
  if (view_ && feedsCount() > 0 && model_->checkedCount() == 0) announcer_->tellNothingTicked();
}

FeedListComparison CXExportListVC::tickFeedsMissingFrom(const QString &path) {
  const FeedRowTable &feeds = feedsOrNone();
  const QString name = QFileInfo(path).fileName();
  FeedListComparison comparison = compareWithOpmlFile(feeds, QFile::encodeName(path), name);
  if (!comparison.ok()) return comparison;
  const QList<int> missing(comparison.missing.cbegin(), comparison.missing.cend());
  model_->setAllItemsChecked(false);
  model_->setItemsChecked(missing, true);
  notices_->showComparison(missing.size(), qsizetype(comparison.readerFeeds), name);
  return comparison;
}

QWidget *CXExportListVC::secretAddressBar() const {
  return view_ && notices_ ? notices_->secretAddressBar() : nullptr;
}
CXButton *CXExportListVC::untickSecretsButton() const {
  return view_ && notices_ ? notices_->untickSecretsButton() : nullptr;
}
QWidget *CXExportListVC::importerTroubleBar() const {
  return view_ && notices_ ? notices_->importerTroubleBar() : nullptr;
}
CXButton *CXExportListVC::untickTroublesButton() const {
  return view_ && notices_ ? notices_->untickTroublesButton() : nullptr;
}
QLabel *CXExportListVC::comparisonLabel() const {
  return view_ && notices_ ? notices_->comparisonLabel() : nullptr;
}
QLineEdit *CXExportListVC::filterField() const { return view_ ? filterField_ : nullptr; }

CXTableViewWithEmptyHolder *CXExportListVC::exportTableView() const {
  return view_ && ui_ ? ui_->exportTableView : nullptr;
}
CXHLView *CXExportListVC::lineSeparatorView() const {
  return view_ && ui_ ? ui_->lineSeparatorView : nullptr;
}
CXButton *CXExportListVC::selectAllButton() const {
  return view_ && ui_ ? ui_->selectAllButton : nullptr;
}
CXButton *CXExportListVC::deselectAllButton() const {
  return view_ && ui_ ? ui_->deselectAllButton : nullptr;
}
CXButton *CXExportListVC::exportButton() const {
  return view_ && ui_ ? ui_->exportButton : nullptr;
}
CXProgressIndicator *CXExportListVC::exportProgress() const {
  return view_ && ui_ ? ui_->exportProgress : nullptr;
}
CXButton *CXExportListVC::tryAgainButton() const {
  return view_ && ui_ ? ui_->tryAgainButton : nullptr;
}

QList<int> CXExportListVC::selectedFeeds() const { return model_->checkedItems(); }

std::optional<FeedList> CXExportListVC::exportList() const {
  if (!model_->feeds()) return std::nullopt;
  return recordsOf(*model_->feeds());
}

const FeedRowTable &CXExportListVC::feedsOrNone() const {
  static const FeedRowTable kNoFeeds;
  const std::optional<FeedRowTable> &feeds = model_->feeds();
  return feeds ? *feeds : kNoFeeds;
}

ExportPass CXExportListVC::exportOfTickedFeeds(const OpmlFormat &format) const {
  return exportOfFeeds(feedsOrNone(), toVector(selectedFeeds()), format);
}

QByteArray CXExportListVC::strExportFeedsUtf8() const {
  return std::move(exportOfTickedFeeds()).finish();
}

QString CXExportListVC::strExportFeeds() const { return QString::fromUtf8(strExportFeedsUtf8()); }

int CXExportListVC::numberOfRowsInTableView(const QAbstractItemView *) const {
  return model_->rowCount();
}

int CXExportListVC::heightOfRow(const QAbstractItemView *table, int) const {
  return isExportTable(table) ? CXExportListDelegate::rowHeight() : 40;
}

bool CXExportListVC::shouldSelectRow(const QAbstractItemView *, int row) const {
  return row >= 0 && row < model_->rowCount();
}

std::optional<CXCheckMarkTableRowView> CXExportListVC::rowViewForRow(const QAbstractItemView *table,
                                                                     int) const {
  return isExportTable(table) ? std::optional(delegate_->rowView()) : std::nullopt;
}

QString CXExportListVC::titleOfFeedRow(int row) const {
  return model_->titleOfFeed(model_->itemOfRow(row));
}

bool CXExportListVC::isExportTable(const QAbstractItemView *table) const {
  return table && table == exportTableView();
}

bool CXExportListVC::eventFilter(QObject *watched, QEvent *event) {
  if (watched == view_ && event->type() == QEvent::Show) viewDidAppear();
  const bool shortcutOverride = event->type() == QEvent::ShortcutOverride;
  if (watched == filterField_ && (shortcutOverride || event->type() == QEvent::KeyPress)) {
    const auto *key = static_cast<QKeyEvent *>(event);
    // Ctrl+E exports from the field too, where a line edit on X11 would take
    // it for "end of line".
    if (shortcutOverride && key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_E)) {
      event->ignore();
      return true;
    }
    // Escape empties the filter first; on an empty one it does what it would.
    if (key->key() == Qt::Key_Escape && !filterField_->text().isEmpty()) {
      if (shortcutOverride) {
        event->accept();
      } else {
        filterField_->clear();
      }
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

void CXExportListVC::viewDidAppear() {
  // The list is read once per window: a later appearance (the view shown
  // again) must neither read again nor add a second observer.
  if (appeared_ || !view_) return;
  appeared_ = true;

  CXTableViewWithEmptyHolder *table = exportTableView();
  table->setIsCustomMouseDown(true);
  exportProgress()->hide();
  connect(model_, &CXExportListModel::checkedItemsChanged, this,
          &CXExportListVC::observeSelectedRowIndexes);
  startLoad();
}

void CXExportListVC::tryAgain() {
  if (!appeared_ || loadState_ == LoadState::Reading) return;
  // Back to how the list starts out; the failed read had disabled them.
  selectAllButton()->setEnabled(true);
  deselectAllButton()->setEnabled(true);
  startLoad();
}

void CXExportListVC::startLoad() {
  CXTableViewWithEmptyHolder *table = exportTableView();
  ui_->retryBar->hide();
  setReadWarning(QString());
  CXExportStorage &store = storage();
  const ReadResult probe = store.probeDatabase();
  if (!probe.ok()) {
    model_->setFeeds(FeedRowTable());
    const ReadOutcomeNotice notice = readOutcomeNotice(probe, store);
    showReadFailure(notice.placeholder, notice.offerTryAgain, LoadState::Unavailable);
    return;
  }

  table->setPlaceholderText(text("Reading feeds…"));
  setLoadState(LoadState::Reading);
  QPointer<CXExportListVC> self(this);
  // The rows stay UTF-8 all the way into the model: a title becomes text only
  // when it is painted.
  store.readFeedsWithOutcome([self](ReadResult result) {
    if (self) self->readFinished(std::move(result));
  });
}

void CXExportListVC::readFinished(ReadResult result) {
  const ReadOutcomeNotice notice = readOutcomeNotice(result, storage());
  if (result.ok() || !notice.warning.isEmpty()) {
    // A read that stopped part-way still shows what it read, marked as such.
    setReadWarning(notice.warning, notice.repairNote);
    feedsArrived(std::move(result.rows));
    return;
  }
  if (result.status == ReadStatus::OpenFailed)
    Log::line(QStringLiteral("Database error: %1").arg(result.sqliteMessage));
  showReadFailure(notice.placeholder, notice.offerTryAgain, LoadState::ReadFailed);
}

void CXExportListVC::showReadFailure(const QString &placeholder, bool offerTryAgain,
                                     LoadState state) {
  exportTableView()->setPlaceholderText(placeholder);
  disableAllButtons();
  notices_->hideBars();
  ui_->retryBar->setVisible(offerTryAgain);
  setLoadState(state);
  updateCountLabel();
  emit selectionDidChange();
  if (offerTryAgain && view_->isVisible()) ui_->tryAgainButton->setFocus(Qt::OtherFocusReason);
}

void CXExportListVC::setReadWarning(const QString &warning, const QString &note) {
  readWarning_ = warning;
  // A note leaves the list whole; the line above the list carries it all the
  // same.
  const QString line = warning.isEmpty() ? note : note.isEmpty() ? warning : warning + ' ' + note;
  ui_->readWarningLabel->setText(line);
  ui_->readWarningLabel->setVisible(!line.isEmpty());
  updateListDescription();
}

void CXExportListVC::updateListDescription() {
  // A screen reader on the list hears the warning and the count along with
  // the list's name, and hears the count again each time a tick changes it.
  QStringList parts;
  if (!ui_->readWarningLabel->text().isEmpty()) parts << ui_->readWarningLabel->text();
  if (!ui_->selectionCountLabel->text().isEmpty()) parts << ui_->selectionCountLabel->text();
  const QString description = parts.join(QLatin1Char('\n'));
  if (exportTableView()->accessibleDescription() != description)
    exportTableView()->setAccessibleDescription(description);
}

void CXExportListVC::feedsArrived(FeedRowTable feeds) {
  model_->setFeeds(std::move(feeds));
  // New feeds: a filter typed meanwhile applies to them.
  filter_.reset();
  notices_->feedsArrived(feedsOrNone());
  if (filterField_) filterField_->setEnabled(feedsCount() > 0);
  if (filterField_ && !filterField_->text().isEmpty()) applyFilter();
  CXTableViewWithEmptyHolder *table = exportTableView();
  const int n = feedsCount();
  if (n >= 1) {
    // Every feed in one change, so the observer runs once and not once per
    // feed.
    model_->setAllItemsChecked(true);
    // The keyboard starts on the first feed, and a screen reader on the list
    // hears which one that is.
    if (!table->currentIndex().isValid())
      table->selectionModel()->setCurrentIndex(model_->index(0, 0), QItemSelectionModel::NoUpdate);
  } else {
    table->setPlaceholderText(
        text("Orvella has no subscriptions to export yet. Add feeds in Orvella, then open the "
             "exporter again."));
    disableAllButtons();
    updateCountLabel();
    emit selectionDidChange();
  }
  setLoadState(LoadState::Loaded);
}

void CXExportListVC::observeSelectedRowIndexes() {
  if (CXButton *button = exportButton()) button->setEnabled(model_->checkedCount() > 0);
  updateCountLabel();
  if (announcer_) announcer_->countChanged(model_->checkedCount());
  emit selectionDidChange();
}

void CXExportListVC::applyHeaderFonts() {
  auto sized = [](QWidget *w, int pixels, QFont::Weight weight) {
    QFont font = TextScale::sized(w->font(), pixels);
    font.setWeight(weight);
    w->setFont(font);
  };
  sized(ui_->headerTitleLabel, 15, QFont::DemiBold);
  sized(ui_->headerDetailLabel, 12, QFont::Normal);
  sized(ui_->selectionCountLabel, 12, QFont::Normal);
}

void CXExportListVC::disableAllButtons() {
  for (CXButton *button : {selectAllButton(), deselectAllButton(), exportButton()})
    if (button) button->setEnabled(false);
  if (filterField_) filterField_->setEnabled(false);
}

void CXExportListVC::updateCountLabel() {
  if (!ui_) return;
  const int n = feedsCount();
  if (n == 0) {
    ui_->selectionCountLabel->clear();
    applyHeaderFonts();
  } else {
    const int ticked = model_->checkedCount();
    QString count = counted("%Ln of %1 selected", ticked).arg(QLocale().toString(n));
    if (model_->isFiltered()) count += counted(", %Ln shown", shownFeedsCount());
    ui_->selectionCountLabel->setText(count);
  }
  updateListDescription();
}

void CXExportListVC::setLoadState(LoadState state) {
  if (loadState_ == state) return;
  loadState_ = state;
  emit loadStateChanged(state);
}
