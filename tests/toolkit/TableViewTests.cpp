// The program's list over a checkable model: rows, ticking by mouse and
// keyboard, ticking every shown row in one change, the placeholder, and a
// filter that hides rows but not their ticks.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <functional>

#include "FeedRows.h"
#include "TestSupport.h"
#include "toolkit/CXTableViewWithEmptyHolder.h"

namespace {

struct Table {
  explicit Table(int feeds) : model(feeds) {
    view.setItemDelegate(&delegate);
    view.setModel(&model);
    view.setIsCustomMouseDown(true);
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

TEST(TableViewTest, RowsAreAsHighAsTheDelegateSaysAndAsWideAsTheList) {
  Table t(3);
  ASSERT_EQ(t.view.numberOfRows(), 3);
  const int width = t.view.viewport()->width();
  for (int row = 0; row < 3; ++row) EXPECT_EQ(t.view.rectOfRow(row), QRect(0, 18 * row, width, 18));
  EXPECT_EQ(t.view.indexAt(QPoint(5, 17)).row(), 0);
  EXPECT_EQ(t.view.indexAt(QPoint(5, 18)).row(), 1);
  EXPECT_FALSE(t.view.indexAt(QPoint(5, 54)).isValid()) << "below the last row";
}

TEST(TableViewTest, ClicksTickTheClickedRowAndShiftClicksARange) {
  Table t(6);
  QSignalSpy changes(&t.model, &CheckableListModel::checkedItemsChanged);
  struct Step {
    int row;
    Qt::KeyboardModifiers mods;
    QList<int> ticked;
  };
  // Shift sets every row from the last one clicked to this one as this one
  // becomes, either way up.
  const Step steps[] = {
      {1, {}, {1}},
      {4, Qt::ShiftModifier, {1, 2, 3, 4}},
      {2, {}, {1, 3, 4}},
      {0, Qt::ShiftModifier, {0, 1, 2, 3, 4}},
      {4, Qt::ShiftModifier, {}},
      {5, {}, {5}},
      {5, {}, {}},
  };
  for (const Step &step : steps) {
    const qsizetype before = changes.count();
    t.click(step.row, step.mods);
    EXPECT_EQ(t.model.checkedItems(), step.ticked) << "row " << step.row;
    EXPECT_EQ(changes.count(), before + 1) << "one change per click, row " << step.row;
  }

  // A click below the rows changes nothing; a quick double click on a row
  // flips it twice, since every press ticks.
  const qsizetype before = changes.count();
  QTest::mouseClick(t.view.viewport(), Qt::LeftButton, {}, QPoint(40, 6 * 18 + 5));
  EXPECT_EQ(changes.count(), before);
  QTest::mouseDClick(t.view.viewport(), Qt::LeftButton, {}, t.view.rectOfRow(2).center());
  EXPECT_FALSE(t.view.isRowSelected(2));
}

TEST(TableViewTest, SpaceTicksTheCurrentRowAndArrowsMoveWithoutTicking) {
  Table t(3);
  t.view.setFocus();
  t.click(0);
  ASSERT_EQ(t.view.currentIndex().row(), 0);
  QTest::keyClick(&t.view, Qt::Key_Down);
  EXPECT_EQ(t.view.currentIndex().row(), 1);
  EXPECT_EQ(t.model.checkedItems(), QList<int>({0})) << "moving does not tick";
  QTest::keyClick(&t.view, Qt::Key_Space);
  EXPECT_EQ(t.model.checkedItems(), QList<int>({0, 1}));
  QTest::keyClick(&t.view, Qt::Key_Space);
  EXPECT_EQ(t.model.checkedItems(), QList<int>({0}));
  QTest::keyClick(&t.view, Qt::Key_End);
  EXPECT_EQ(t.view.currentIndex().row(), 2);
  EXPECT_EQ(t.model.checkedItems(), QList<int>({0}));
}

TEST(TableViewTest, SelectAllTicksEveryShownRowInOneChange) {
  Table t(5);
  QSignalSpy changes(&t.model, &CheckableListModel::checkedItemsChanged);
  const struct {
    const char *what;
    std::function<void()> act;
    QList<int> ticked;
    int changes;
  } steps[] = {
      {"select all", [&] { t.view.selectAll(); }, {0, 1, 2, 3, 4}, 1},
      {"again: no change", [&] { t.view.selectAll(); }, {0, 1, 2, 3, 4}, 0},
      {"deselect all", [&] { t.view.deselectAll(); }, {}, 1},
      {"again: no change", [&] { t.view.deselectAll(); }, {}, 0},
      {"Ctrl+A",
       [&] {
         t.view.setFocus();
         QTest::keyClick(&t.view, Qt::Key_A, Qt::ControlModifier);
       },
       {0, 1, 2, 3, 4},
       1},
      {"deselect the shown rows",
       [&] {
         t.model.setShownItems(std::vector<int>{1, 3});
         t.view.deselectAll();
       },
       {0, 2, 4},
       1},
      {"select them again", [&] { t.view.selectAll(); }, {0, 1, 2, 3, 4}, 1},
  };
  for (const auto &step : steps) {
    const qsizetype before = changes.count();
    step.act();
    EXPECT_EQ(t.model.checkedItems(), step.ticked) << step.what;
    EXPECT_EQ(changes.count() - before, step.changes) << step.what;
    EXPECT_EQ(t.model.checkedCount(), step.ticked.size()) << step.what;
  }
}

TEST(TableViewTest, TickedRowsArePaintedAsTicked) {
  Table t(3);
  t.model.setItemsChecked({1}, true);
  t.delegate.paintedTicked.clear();
  const QImage shot = t.view.viewport()->grab().toImage();
  EXPECT_EQ(t.delegate.paintedTicked, QList<int>({1}));
  EXPECT_EQ(shot.pixelColor(10, 18 + 8), QColor(Qt::red));
  EXPECT_EQ(shot.pixelColor(10, 8), QColor(Qt::white));
}

TEST(TableViewTest, PlaceholderShowsOnlyWhileThereAreNoItems) {
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
  EXPECT_TRUE(t.view.showsPlaceholder());
  t.model.setFeeds(20);  // 20 * 18 points fill the whole viewport
  EXPECT_EQ(placeholderInk(), 0);
  t.model.setShownItems(std::vector<int>{});
  EXPECT_EQ(t.view.numberOfRows(), 0);
  EXPECT_FALSE(t.view.showsPlaceholder()) << "a filter that shows nothing is no empty list";
}

// The model behind the list: rows are the shown items, ticks stay with the
// items whatever is shown, and each change is one announcement over the rows
// it touched.
TEST(CheckableListModelTest, AFilterHidesRowsAndKeepsTheirTicks) {
  FeedRowsModel model(6);
  model.setItemsChecked({0, 3, 5, 9, -1}, true);  // 9 and -1 are no items
  EXPECT_EQ(model.checkedItems(), QList<int>({0, 3, 5}));
  QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
  model.setShownItems(std::vector<int>{1, 3, 4});
  EXPECT_EQ(reset.count(), 1);
  model.setShownItems(std::vector<int>{1, 3, 4});
  EXPECT_EQ(reset.count(), 1) << "the same rows again are no change";
  ASSERT_EQ(model.rowCount(), 3);
  const int rowOfItem[][2] = {{0, -1}, {1, 0}, {3, 1}, {4, 2}, {5, -1}, {6, -1}};
  for (const auto &[item, row] : rowOfItem) EXPECT_EQ(model.rowOfItem(item), row) << item;
  EXPECT_EQ(model.itemOfRow(2), 4);
  EXPECT_EQ(model.itemOfRow(3), -1);
  EXPECT_EQ(model.index(1).data().toString(), "Feed 3");
  EXPECT_EQ(model.index(1).data(Qt::CheckStateRole).toInt(), Qt::Checked);

  QSignalSpy data(&model, &QAbstractItemModel::dataChanged);
  QSignalSpy ticks(&model, &CheckableListModel::checkedItemsChanged);
  EXPECT_TRUE(model.setItemsChecked({0, 1, 4}, true)) << "hidden item 0 is ticked too";
  ASSERT_EQ(data.count(), 1);
  EXPECT_EQ(data.at(0).at(0).toModelIndex().row(), 0) << "rows 0 and 2, of items 1 and 4";
  EXPECT_EQ(data.at(0).at(1).toModelIndex().row(), 2);
  EXPECT_FALSE(model.setItemsChecked({0, 1}, true));
  EXPECT_TRUE(model.setData(model.index(1), Qt::Unchecked, Qt::CheckStateRole));
  EXPECT_EQ(ticks.count(), 2);
  EXPECT_EQ(model.checkedItems(), QList<int>({0, 1, 4, 5}));

  model.setShownItems(std::nullopt);
  EXPECT_EQ(model.rowCount(), 6);
  EXPECT_EQ(model.checkedCount(), 4) << "every tick is still there";
}

}  // namespace
