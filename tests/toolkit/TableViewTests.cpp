// The export table: row layout, toggling selection, select all of the rows
// that may be selected in one change, the placeholder, and model changes.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "FeedRows.h"
#include "TestSupport.h"
#include "toolkit/CXTableViewWithEmptyHolder.h"

namespace {

struct Table {
  explicit Table(int feeds) : model(feeds) {
    view.setItemDelegate(&delegate);
    view.setModel(&model);
    view.resize(300, 200);
    view.show();
  }
  void click(int row, Qt::KeyboardModifiers mods = {}) {
    const QRect r = view.rectOfRow(row);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, mods, QPoint(40, r.top() + r.height() / 2));
  }
  FeedRowsModel model;
  FeedRowsDelegate delegate;
  CXTableViewWithEmptyHolder view;
};

TEST(TableViewTest, RowsTakeTheirHeightsFromTheDelegate) {
  Table t(3);
  ASSERT_EQ(t.view.numberOfRows(), 6);
  EXPECT_EQ(t.view.rectOfRow(0), QRect(0, 0, t.view.viewport()->width(), 17));
  EXPECT_EQ(t.view.rectOfRow(1).top(), 17);
  EXPECT_EQ(t.view.rectOfRow(1).height(), 1);
  EXPECT_EQ(t.view.rectOfRow(2).top(), 18);
  EXPECT_EQ(t.view.rectOfRow(5).top(), 3 * 18 - 1);
  EXPECT_EQ(t.view.rowAtPoint(QPoint(5, 16)), 0);
  EXPECT_EQ(t.view.rowAtPoint(QPoint(5, 17)), 1);
  EXPECT_EQ(t.view.rowAtPoint(QPoint(5, 18)), 2);
  EXPECT_EQ(t.view.rowAtPoint(QPoint(5, 54)), -1) << "below the last row";
  EXPECT_EQ(t.view.indexAt(QPoint(5, 20)).row(), 2);
}

TEST(TableViewTest, CustomMouseDownTogglesTheClickedRowOnly) {
  Table t(4);
  t.view.setIsCustomMouseDown(true);
  QSignalSpy changes(&t.view, &CXTableViewWithEmptyHolder::selectedRowIndexesChanged);

  t.click(0);
  t.click(4);
  t.click(6);
  EXPECT_EQ(t.view.selectedRowIndexes(), QList<int>({0, 4, 6}));
  t.click(4);
  EXPECT_EQ(t.view.selectedRowIndexes(), QList<int>({0, 6})) << "a second click unticks";
  ASSERT_EQ(changes.count(), 4) << "one announcement per click";
  EXPECT_EQ(changes.last().at(0).value<QList<int>>(), QList<int>({0, 6}));

  t.click(1);  // a separator row
  t.click(3);
  EXPECT_EQ(t.view.selectedRowIndexes(), QList<int>({0, 6}));
  EXPECT_EQ(changes.count(), 4) << "separators never change the selection";

  // A quick double click on a row flips it twice: every press toggles.
  const QRect r = t.view.rectOfRow(2);
  QTest::mouseDClick(t.view.viewport(), Qt::LeftButton, {}, r.center());
  EXPECT_FALSE(t.view.isRowSelected(2));
}

TEST(TableViewTest, OrdinaryClicksReplaceTheSelection) {
  Table t(4);
  t.click(0);
  t.click(4);
  EXPECT_EQ(t.view.selectedRowIndexes(), QList<int>({4}));
  t.click(0, Qt::ControlModifier);
  EXPECT_EQ(t.view.selectedRowIndexes(), QList<int>({0, 4}));
  t.click(6, Qt::ShiftModifier);
  EXPECT_EQ(t.view.selectedRowIndexes(), QList<int>({0, 2, 4, 6}))
      << "a range selects only the rows that may be selected";
}

TEST(TableViewTest, SpaceTogglesTheCurrentRowAndArrowsSkipSeparators) {
  Table t(3);
  t.view.setIsCustomMouseDown(true);
  t.view.setFocus();
  t.click(0);
  ASSERT_EQ(t.view.currentIndex().row(), 0);
  QTest::keyClick(&t.view, Qt::Key_Down);
  EXPECT_EQ(t.view.currentIndex().row(), 2) << "the separator row is passed over";
  EXPECT_EQ(t.view.selectedRowIndexes(), QList<int>({0})) << "moving does not select";
  QTest::keyClick(&t.view, Qt::Key_Space);
  EXPECT_EQ(t.view.selectedRowIndexes(), QList<int>({0, 2}));
  QTest::keyClick(&t.view, Qt::Key_Space);
  EXPECT_EQ(t.view.selectedRowIndexes(), QList<int>({0}));
  QTest::keyClick(&t.view, Qt::Key_End);
  EXPECT_EQ(t.view.currentIndex().row(), 4);
}

TEST(TableViewTest, SelectAllAcceptsOnlySelectableRowsInOneChange) {
  Table t(5);
  QSignalSpy changes(&t.view, &CXTableViewWithEmptyHolder::selectedRowIndexesChanged);
  t.view.selectAll();
  ASSERT_EQ(changes.count(), 1);
  const QList<int> all = {0, 2, 4, 6, 8};
  EXPECT_EQ(t.view.selectedRowIndexes(), all);
  EXPECT_EQ(changes.at(0).at(0).value<QList<int>>(), all);
  EXPECT_EQ(t.view.numberOfSelectedRows(), 5);

  t.view.selectAll();
  EXPECT_EQ(changes.count(), 1) << "nothing changed, nothing announced";

  t.view.deselectAll();
  ASSERT_EQ(changes.count(), 2);
  EXPECT_TRUE(changes.at(1).at(0).value<QList<int>>().isEmpty());
  t.view.deselectAll();
  EXPECT_EQ(changes.count(), 2);

  // Ctrl+A is the same select all.
  t.view.setFocus();
  QTest::keyClick(&t.view, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(t.view.selectedRowIndexes(), all);
  EXPECT_EQ(changes.count(), 3);
}

TEST(TableViewTest, ProgrammaticSelectionFiltersUnselectableRows) {
  Table t(3);
  QSignalSpy changes(&t.view, &CXTableViewWithEmptyHolder::selectedRowIndexesChanged);
  t.view.selectRowIndexes({0, 1, 2, 3, 4, 5, 99, -1}, true);
  EXPECT_EQ(t.view.selectedRowIndexes(), QList<int>({0, 2, 4}));
  EXPECT_EQ(changes.count(), 1);
  t.view.selectRowIndexes({2}, false);
  EXPECT_EQ(t.view.selectedRowIndexes(), QList<int>({2}));
  EXPECT_EQ(changes.count(), 2);
  t.view.selectRowIndexes({2}, false);
  EXPECT_EQ(changes.count(), 2) << "the same selection again is no change";
}

TEST(TableViewTest, SelectedRowsArePaintedAsSelected) {
  Table t(3);
  t.view.selectRowIndexes({2}, true);
  t.delegate.paintedSelected.clear();
  const QImage shot = t.view.viewport()->grab().toImage();
  EXPECT_EQ(t.delegate.paintedSelected, QList<int>({2}));
  EXPECT_EQ(shot.pixelColor(10, 18 + 8), QColor(Qt::red));
  EXPECT_EQ(shot.pixelColor(10, 8), QColor(Qt::white));
}

TEST(TableViewTest, PlaceholderShowsOnlyWhileThereAreNoRows) {
  Table t(0);
  t.view.setPlaceholderText("No feeds to export");
  auto placeholderInk = [&] {
    const QImage shot = t.view.viewport()->grab().toImage();
    const QColor background = shot.pixelColor(2, 2);
    int ink = 0;
    const int midY = shot.height() / 2;
    for (int y = midY - 10; y <= midY + 10; ++y)
      for (int x = 0; x < shot.width(); ++x)
        if (shot.pixelColor(x, y) != background) ++ink;
    return ink;
  };
  EXPECT_GT(placeholderInk(), 30);
  t.model.setFeeds(20);  // 20 * 18 points fill the whole viewport
  EXPECT_EQ(placeholderInk(), 0);
}

TEST(TableViewTest, ModelChangesKeepTheSelectionOnTheSameRows) {
  Table t(3);
  t.view.setModel(&t.model);  // the same model again: the view keeps following it
  t.view.selectRowIndexes({0, 4}, true);
  QSignalSpy changes(&t.view, &CXTableViewWithEmptyHolder::selectedRowIndexesChanged);

  t.model.appendFeed();  // rows 6 and 7 at the end
  EXPECT_EQ(t.view.numberOfRows(), 8);
  EXPECT_EQ(t.view.selectedRowIndexes(), QList<int>({0, 4}));
  EXPECT_EQ(t.view.rectOfRow(6).top(), 54);

  t.model.removeFirstFeed();  // rows 0 and 1 go; feed 2 moves up to row 2
  EXPECT_EQ(t.view.selectedRowIndexes(), QList<int>({2}));
  EXPECT_GE(changes.count(), 1);
  EXPECT_EQ(changes.last().at(0).value<QList<int>>(), QList<int>({2}));

  const int before = int(changes.count());
  t.model.setFeeds(2);  // a reset: the old row numbers mean nothing any more
  EXPECT_TRUE(t.view.selectedRowIndexes().isEmpty());
  EXPECT_EQ(changes.count(), before + 1);
  EXPECT_EQ(t.view.numberOfRows(), 4);
}

}  // namespace
