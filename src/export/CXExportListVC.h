#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>
#include <optional>

#include "export/CXExportListModel.h"
#include "export/ExportPass.h"
#include "export/FeedListComparison.h"
#include "store/FeedRecord.h"
#include "toolkit/CXCheckMarkTableRowView.h"

class CXButton;
class CXExportListDelegate;
class CXExportStorage;
class CXHLView;
class CXProgressIndicator;
class CXTableViewWithEmptyHolder;
class ExportListAnnouncer;
class ExportListNotices;
class FeedFilter;
class QAbstractItemView;
class QLabel;
class QLineEdit;
class QWidget;
struct ReadResult;

namespace Ui {
class ExportList;
}

// The export list: a list with one check mark per feed of the reader and a
// thin separator line below each feed, and the three buttons under it.
//
// The view comes from ExportList.ui. The first time it comes on screen the
// controller probes the feed store, reads every feed on the store's queue,
// fills the table and ticks every feed in one selection change. From then on
// the export button follows the selection: enabled exactly while a feed is
// ticked.
//
// A read that fails shows the store's sentence in place of the rows (with
// Try Again while another program holds the database); one that stops
// part-way shows the rows read under a line saying that the list is
// incomplete and why. Both are the table's accessible description too.
//
// Data flows one way: the store delivers the feeds into the model, which
// owns them, their ticks and which of them the filter shows
// (CXExportListModel); the list and its delegate read the model; the
// controller follows the model's ticks.
//
// Main thread only.
class CXExportListVC : public QObject {
  Q_OBJECT

 public:
  enum class LoadState {
    NotStarted,   // the view has not been on screen yet
    Reading,      // the store is reading the feeds
    Loaded,       // the feeds arrived (possibly none)
    Unavailable,  // the reader's database cannot be opened
    ReadFailed,   // the probe opened the database but the read failed
  };
  Q_ENUM(LoadState)

  static constexpr float kCheckMarkShift = 10.0f;

  // storage: where the feeds come from; null means the shared store.
  explicit CXExportListVC(CXExportStorage *storage = nullptr, QObject *parent = nullptr);
  ~CXExportListVC() override;

  // The list's view, loaded on first use. A parentless view belongs to the
  // controller; once it has a parent (the window's holder) the parent owns it.
  QWidget *view();
  void loadView();

  // Outlets of ExportList.ui (null before the view is loaded).
  CXTableViewWithEmptyHolder *exportTableView() const;
  CXHLView *lineSeparatorView() const;
  CXButton *selectAllButton() const;
  CXButton *deselectAllButton() const;
  CXButton *exportButton() const;
  CXProgressIndicator *exportProgress() const;
  // Under the placeholder, shown while reading again may help.
  CXButton *tryAgainButton() const;
  // Above the list: as the user types, only the feeds whose title or address
  // holds the text are shown (Ctrl+F comes here, Escape empties it). Hidden
  // feeds keep their ticks and are exported; Select All and Deselect All
  // then act on the shown feeds, and say so.
  QLineEdit *filterField() const;
  bool isFiltered() const { return model_->isFiltered(); }
  // The feeds the filter shows; every feed without a filter.
  int shownFeedsCount() const { return model_->shownFeedsCount(); }
  // The line above the list that says how many feed addresses carry a
  // password or key, with a button that unticks those feeds.
  QWidget *secretAddressBar() const;
  CXButton *untickSecretsButton() const;

  // Holds the feeds against another reader's export of them (an OPML file)
  // and ticks exactly those it lacks, so that Export writes just those; the
  // line above the list then says how many. A file that cannot be compared
  // changes nothing: the answer's problem says why.
  FeedListComparison tickFeedsMissingFrom(const QString &path);
  QLabel *comparisonLabel() const;
  // The line above the list that says how many feeds other readers'
  // importers would stumble on (ImporterTroubles), with a button that
  // unticks them.
  QWidget *importerTroubleBar() const;
  CXButton *untickTroublesButton() const;

  // False when the read stopped part-way: the list holds only the feeds
  // before the failure. readWarning() then says so, and why.
  bool isListComplete() const { return readWarning_.isEmpty(); }
  QString readWarning() const { return readWarning_; }

  // Kept because the design names it: the feeds as the store delivered them,
  // absent until they arrive, made from the model's rows on each call.
  std::optional<FeedList> exportList() const;
  LoadState loadState() const { return loadState_; }

  // Number of feeds (not rows); 0 while none have arrived.
  int feedsCount() const { return model_->feedsCount(); }
  // The ticked feeds, by their positions in the list, ascending.
  QList<int> selectedFeeds() const;
  // The export of the ticked feeds: the OPML document and what the written
  // file is checked against.
  ExportPass exportOfTickedFeeds(const OpmlFormat &format = {}) const;
  // Its document as the UTF-8 bytes that go into the file, and as text.
  QByteArray strExportFeedsUtf8() const;
  QString strExportFeeds() const;

  // Kept because the design names them: the table's data source and
  // delegate, as adapters over the model (which the list itself asks).
  // `table` is the asking table; answers for another table follow the
  // plain-table rules. A row is as high as a feed and its separator line.
  int numberOfRowsInTableView(const QAbstractItemView *table) const;
  int heightOfRow(const QAbstractItemView *table, int row) const;
  bool shouldSelectRow(const QAbstractItemView *table, int row) const;
  // The row view for a row: a check-mark row view on the export table; none
  // (a plain row) on any other table.
  std::optional<CXCheckMarkTableRowView> rowViewForRow(const QAbstractItemView *table,
                                                       int row) const;
  // The title a row shows: its feed's title, empty when it has none.
  QString titleOfFeedRow(int row) const;

  // The load sequence; runs once, the first time the view comes on screen.
  void viewDidAppear();
  // Where the feed read lands (on the main thread): fills the table and ticks
  // every feed in one selection change.
  void feedsArrived(FeedRowTable feeds);
  // Probes and reads the database again (Try Again).
  void tryAgain();
  // Export was asked for with feeds listed and none ticked: says why nothing
  // happens, on screen and to a screen reader.
  void tellNothingTicked();

 signals:
  // After every change of the ticked feeds, and once the load has settled.
  void selectionDidChange();
  void loadStateChanged(CXExportListVC::LoadState state);

 protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

 private:
  void observeSelectedRowIndexes();
  void applyFilter();
  // The model's feeds, or an empty table before any arrive.
  const FeedRowTable &feedsOrNone() const;
  void makeFilterField();
  void setLoadState(LoadState state);
  void disableAllButtons();
  void applyHeaderFonts();
  void updateCountLabel();
  // The list's accessible description: the read warning and the count.
  void updateListDescription();
  void startLoad();
  void readFinished(ReadResult result);
  void showReadFailure(const QString &placeholder, bool offerTryAgain, LoadState state);
  void setReadWarning(const QString &warning, const QString &note = QString());
  bool isExportTable(const QAbstractItemView *table) const;
  CXExportStorage &storage() const;

  CXExportStorage *storage_;
  std::unique_ptr<Ui::ExportList> ui_;
  QPointer<QWidget> view_;
  CXExportListModel *model_;
  CXExportListDelegate *delegate_;
  LoadState loadState_ = LoadState::NotStarted;
  bool appeared_ = false;
  QString readWarning_;
  QLineEdit *filterField_ = nullptr;
  std::unique_ptr<FeedFilter> filter_;        // made at the first text typed, for the feeds shown
  ExportListNotices *notices_ = nullptr;      // made with the view, which owns it
  ExportListAnnouncer *announcer_ = nullptr;  // likewise
};
