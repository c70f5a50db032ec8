// The export list on real reader databases: its rows, the load on first show,
// the ticks and the export button, and the states where no feeds can be shown.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListView>
#include <QSignalSpy>
#include <QTest>
#include <condition_variable>
#include <mutex>

#include "ReaderDatabase.h"
#include "TestSupport.h"
#include "export/CXExportListModel.h"
#include "export/CXExportListVC.h"
#include "export/CXProgressIndicator.h"
#include "export/ExportPass.h"
#include "store/CXExportStorage.h"
#include "toolkit/CXButton.h"
#include "toolkit/CXTableViewWithEmptyHolder.h"
#include "toolkit/CheckableListModel.h"

namespace {

using testsupport::TempDir;
using testsupport::waitUntil;
using State = CXExportListVC::LoadState;

class ExportList : public ::testing::Test {
 protected:
  // A list reading `feeds` from a database of its own, shown and loaded.
  void load(const std::vector<readerdb::Feed> &feeds) {
    readerdb::write(dir / "Feeds", feeds);
    storage.setDatabasePathOverride(dir / "Feeds");
    show();
    ASSERT_TRUE(waitUntil([this] { return vc.loadState() == State::Loaded; }));
  }
  void show() {
    vc.view()->resize(400, 400);
    vc.view()->show();
  }
  CXTableViewWithEmptyHolder *table() { return vc.exportTableView(); }
  // Clicks a row the way a user does.
  void click(int row) {
    QRect r = table()->rectOfRow(row);
    ASSERT_FALSE(r.isEmpty()) << "row " << row << " is not on screen";
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, r.center());
  }
  std::vector<int> selectedRows() {
    const QList<int> rows = vc.selectedFeeds();
    return {rows.cbegin(), rows.cend()};
  }

  TempDir dir;
  CXExportStorage storage;
  CXExportListVC vc{&storage};
};

TEST_F(ExportList, OneRowPerFeedWithItsTitleAndTick) {
  load({{"Daily", "https://a/", "https://a/feed", 1},
        {std::nullopt, "https://b/", "https://b/feed", 2},
        {"Weekly", "https://c/", "https://c/feed", 1}});
  ASSERT_EQ(vc.feedsCount(), 3);
  ASSERT_EQ(table()->numberOfRows(), 3);
  ASSERT_EQ(vc.numberOfRowsInTableView(table()), 3);
  for (int row = 0; row < 3; ++row) {
    SCOPED_TRACE(row);
    // 17 points of feed and the separator line under it.
    EXPECT_EQ(table()->rectOfRow(row).height(), 18);
    EXPECT_EQ(table()->rectOfRow(row).top(), 18 * row);
    EXPECT_EQ(vc.heightOfRow(table(), row), 18);
    EXPECT_TRUE(vc.shouldSelectRow(table(), row));
    EXPECT_EQ(table()->model()->index(row, 0).data(Qt::CheckStateRole).toInt(), Qt::Checked);
  }
  EXPECT_FALSE(vc.shouldSelectRow(table(), 3));
  EXPECT_EQ(vc.titleOfFeedRow(0), "Daily");
  EXPECT_EQ(vc.titleOfFeedRow(1), "") << "a feed without a title shows nothing";
  EXPECT_EQ(table()->model()->index(1, 0).data(Qt::AccessibleTextRole).toString(), "https://b/feed")
      << "and is spoken by its address";
  EXPECT_EQ(vc.titleOfFeedRow(2), "Weekly");
  EXPECT_EQ(table()->model()->index(2, 0).data().toString(), "Weekly");
  EXPECT_EQ(*vc.exportList(), readerdb::records({{"Daily", "https://a/", "https://a/feed", 1},
                                                 {std::nullopt, "https://b/", "https://b/feed", 2},
                                                 {"Weekly", "https://c/", "https://c/feed", 1}}));

  // Every row of the export table gets a check-mark row view at the right.
  const auto rowView = vc.rowViewForRow(table(), 1);
  ASSERT_TRUE(rowView.has_value());
  EXPECT_FALSE(rowView->isLeftMark());
  EXPECT_EQ(rowView->shiftValue(), 10.0f);
  // Any other table gets plain rows of 40 points.
  QListView other;
  EXPECT_FALSE(vc.rowViewForRow(&other, 0).has_value());
  EXPECT_EQ(vc.heightOfRow(&other, 0), 40);
  EXPECT_EQ(vc.numberOfRowsInTableView(&other), 3);
}

TEST_F(ExportList, TheCurrentRowIsOutlinedOnlyWhileTheListHasTheFocus) {
  load(readerdb::numbered(2));
  QWidget other;
  other.show();
  vc.view()->activateWindow();
  table()->setFocus();
  ASSERT_TRUE(waitUntil([&] { return table()->hasFocus(); }));
  table()->setCurrentIndex(table()->model()->index(1, 0));
  const QRect row = table()->rectOfRow(1);
  const QPoint edge(row.left() + 1, row.top() + 8);
  auto colourAt = [&](QPoint p) { return table()->viewport()->grab().toImage().pixelColor(p); };
  const QColor background = colourAt(QPoint(edge.x(), table()->rectOfRow(0).top() + 8));
  const QColor focused = colourAt(edge);
  EXPECT_GT(qAbs(focused.red() - focused.blue()), 100)
      << "the accent outline is drawn at the current row's edge";
  table()->clearFocus();
  EXPECT_EQ(colourAt(edge), background) << "no outline without the focus";
}

TEST_F(ExportList, TheRowUnderThePointerIsTinted) {
  load(readerdb::numbered(3));
  const auto faceOf = [&](int row) {
    const QRect r = table()->rectOfRow(row);
    return table()->viewport()->grab().toImage().pixelColor(r.left() + 4, r.top() + 3);
  };
  const QColor plain = faceOf(1);
  QTest::mouseMove(table()->viewport(), table()->rectOfRow(1).center());
  ASSERT_TRUE(waitUntil([&] { return faceOf(1) != plain; })) << "no tint under the pointer";
  EXPECT_EQ(faceOf(0), plain);
  QTest::mouseMove(table()->viewport(), table()->rectOfRow(2).center());
  ASSERT_TRUE(waitUntil([&] { return faceOf(1) == plain; })) << "the tint stayed behind";
  EXPECT_NE(faceOf(2), plain);
}

TEST_F(ExportList, AFilterKeepsTheKeyboardOnItsFeedWhileThatIsShown) {
  load(readerdb::numbered(5));
  table()->setCurrentIndex(table()->model()->index(3, 0));
  const struct {
    const char *typed;
    const char *current;
  } steps[] = {{"3", "Feed 3"}, {"feed", "Feed 3"}, {"4", "Feed 4"}, {"", "Feed 4"}};
  for (const auto &step : steps) {
    vc.filterField()->setText(QString::fromLatin1(step.typed));
    EXPECT_EQ(vc.titleOfFeedRow(table()->currentIndex().row()), step.current) << step.typed;
  }
  EXPECT_EQ(vc.selectedFeeds().size(), 5) << "filtering ticks nothing and unticks nothing";
}

TEST_F(ExportList, EveryFeedIsTickedInOneSelectionChange) {
  readerdb::write(dir / "Feeds", readerdb::numbered(500));
  storage.setDatabasePathOverride(dir / "Feeds");
  vc.loadView();
  QSignalSpy changes(table()->checkableModel(), &CheckableListModel::checkedItemsChanged);
  QSignalSpy observed(&vc, &CXExportListVC::selectionDidChange);
  EXPECT_FALSE(vc.exportButton()->isEnabled()) << "disabled until feeds are ticked";
  show();
  EXPECT_EQ(vc.loadState(), State::Reading);
  EXPECT_EQ(table()->numberOfRows(), 0) << "no rows before the feeds arrive";
  EXPECT_EQ(vc.feedsCount(), 0);
  EXPECT_FALSE(vc.exportProgress()->isVisible());
  ASSERT_TRUE(waitUntil([this] { return vc.loadState() == State::Loaded; }));

  EXPECT_EQ(changes.count(), 1);
  EXPECT_EQ(observed.count(), 1);
  EXPECT_EQ(vc.selectedFeeds().size(), 500);
  EXPECT_EQ(selectedRows(), readerdb::allFeeds(500));
  EXPECT_TRUE(vc.exportButton()->isEnabled());
  EXPECT_TRUE(table()->isCustomMouseDown());
}

TEST_F(ExportList, ClicksTickAndUntickFeedsAndTheExportButtonFollows) {
  load(readerdb::numbered(3));
  click(1);
  EXPECT_EQ(selectedRows(), (std::vector<int>{0, 2}));
  EXPECT_EQ(vc.feedsCount(), 3);
  EXPECT_EQ(vc.strExportFeedsUtf8(),
            std::move(exportOfFeeds(readerdb::rows(readerdb::numbered(3)), {0, 2})).finish());
  EXPECT_EQ(vc.strExportFeeds(), QString::fromUtf8(vc.strExportFeedsUtf8()));

  click(0);
  EXPECT_TRUE(vc.exportButton()->isEnabled());
  click(2);
  EXPECT_TRUE(selectedRows().empty());
  EXPECT_FALSE(vc.exportButton()->isEnabled()) << "the last feed unticked";
  click(1);
  EXPECT_EQ(selectedRows(), (std::vector<int>{1}));
  EXPECT_TRUE(vc.exportButton()->isEnabled()) << "one feed ticked again";
}

TEST_F(ExportList, ShowingTheViewAgainNeitherReadsNorObservesTwice) {
  load(readerdb::numbered(2));
  readerdb::write(dir / "Other", readerdb::numbered(7));
  storage.setDatabasePathOverride(dir / "Other");
  vc.view()->hide();
  vc.view()->show();
  testsupport::pump(std::chrono::milliseconds(100));
  EXPECT_EQ(vc.feedsCount(), 2);

  QSignalSpy observed(&vc, &CXExportListVC::selectionDidChange);
  click(0);
  EXPECT_EQ(observed.count(), 1);
  EXPECT_EQ(selectedRows(), (std::vector<int>{1}));
}

TEST_F(ExportList, ADatabaseThatCannotBeOpenedShowsWhereItWasLookedFor) {
  storage.setDatabasePathOverride(dir / "Missing" / "Feeds");
  show();
  EXPECT_EQ(vc.loadState(), State::Unavailable) << "decided at once, without a read";
  EXPECT_EQ(table()->numberOfRows(), 0);
  EXPECT_EQ(vc.feedsCount(), 0);
  ASSERT_TRUE(vc.exportList().has_value());
  EXPECT_TRUE(vc.exportList()->empty());
  EXPECT_FALSE(vc.selectAllButton()->isEnabled());
  EXPECT_FALSE(vc.deselectAllButton()->isEnabled());
  EXPECT_FALSE(vc.exportButton()->isEnabled());
  const QString placeholder = table()->placeholderText();
  EXPECT_TRUE(placeholder.contains(QString::fromStdString((dir / "Missing" / "Feeds").string())))
      << placeholder.toStdString();
  // The user named the file: the advice is about that name, not about Orvella.
  EXPECT_TRUE(placeholder.contains("--database")) << placeholder.toStdString();
  EXPECT_FALSE(placeholder.contains("Open Orvella")) << placeholder.toStdString();
}

TEST_F(ExportList, AReaderWithoutFeedsDisablesEveryButton) {
  load({});
  EXPECT_EQ(table()->numberOfRows(), 0);
  EXPECT_FALSE(vc.selectAllButton()->isEnabled());
  EXPECT_FALSE(vc.deselectAllButton()->isEnabled());
  EXPECT_FALSE(vc.exportButton()->isEnabled());
  EXPECT_TRUE(table()->placeholderText().contains("no subscriptions"));
}

TEST_F(ExportList, AReadThatCannotOpenTheDatabaseIsToldToTheUser) {
  readerdb::write(dir / "Feeds", readerdb::numbered(2));
  storage.setDatabasePathOverride(dir / "Feeds");
  // Hold the store's queue so that the database can vanish between the probe
  // and the read.
  std::mutex mutex;
  std::condition_variable cv;
  bool release = false;
  storage.databaseQueue().async([&] {
    std::unique_lock lock(mutex);
    cv.wait(lock, [&] { return release; });
  });
  show();
  EXPECT_EQ(vc.loadState(), State::Reading);
  storage.setDatabasePathOverride(dir / "Gone" / "Feeds");
  {
    std::lock_guard lock(mutex);
    release = true;
  }
  cv.notify_all();
  ASSERT_TRUE(waitUntil([this] { return vc.loadState() == State::ReadFailed; }));
  EXPECT_FALSE(vc.exportList().has_value());
  EXPECT_EQ(table()->numberOfRows(), 0);
  EXPECT_TRUE(table()->placeholderText().contains(
      QString::fromStdString((dir / "Gone" / "Feeds").string())));
}

}  // namespace
