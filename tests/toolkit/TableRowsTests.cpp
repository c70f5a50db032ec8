// The export table's two plain parts: where rows lie, and which are selected.
#include <gtest/gtest.h>

#include <functional>

#include "toolkit/TableRowHeights.h"
#include "toolkit/TableRowSelection.h"

namespace {

// Every row's top and the content height, so a layout can be compared whole.
std::vector<int> layoutOf(const TableRowHeights &h) {
  std::vector<int> tops;
  for (int r = 0; r <= h.count(); ++r) tops.push_back(r < h.count() ? h.top(r) : h.contentHeight());
  return tops;
}

TEST(TableRowHeights, FindsTheRowAtEveryY) {
  const TableRowHeights h({17, 1, 0, 17, 1});  // a row of height 0 takes no room
  const struct {
    int y, row;
  } cases[] = {{-1, -1}, {0, 0}, {16, 0}, {17, 1}, {18, 3}, {34, 3}, {35, 4}, {36, -1}};
  for (const auto &c : cases) EXPECT_EQ(h.rowAt(c.y), c.row) << "y " << c.y;
  EXPECT_EQ(h.contentHeight(), 36);
  EXPECT_EQ(TableRowHeights().rowAt(0), -1);
  EXPECT_EQ(TableRowHeights().contentHeight(), 0);
}

TEST(TableRowHeights, EditsLeaveTheSameLayoutAsBuildingAfresh) {
  const struct {
    const char *edit;
    std::function<void(TableRowHeights &)> apply;
    std::vector<int> result;
  } cases[] = {
      {"insert in the middle",
       [](auto &h) {
         h.insert(2, {5, 6});
       },
       {17, 1, 5, 6, 17, 1}},
      {"insert at the end", [](auto &h) { h.insert(4, {3}); }, {17, 1, 17, 1, 3}},
      {"insert at the start", [](auto &h) { h.insert(0, {3}); }, {3, 17, 1, 17, 1}},
      {"remove the first two", [](auto &h) { h.remove(0, 1); }, {17, 1}},
      {"remove past the end", [](auto &h) { h.remove(3, 9); }, {17, 1, 17}},
      {"update two",
       [](auto &h) {
         EXPECT_TRUE(h.update(1, {4, 40}));
       },
       {17, 4, 40, 1}},
      {"update to the same",
       [](auto &h) {
         EXPECT_FALSE(h.update(0, {17, 1}));
       },
       {17, 1, 17, 1}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.edit);
    TableRowHeights h({17, 1, 17, 1});
    c.apply(h);
    EXPECT_EQ(layoutOf(h), layoutOf(TableRowHeights(c.result)));
  }
}

// A table of five feeds: even rows may be selected, odd ones never.
TableRowSelection feedRows(QList<int> selected = {}) {
  TableRowSelection s([](int row) { return row % 2 == 0; });
  s.reset(10);
  s.select(selected, true);
  return s;
}

TEST(TableRowSelection, ChangesKeepOnlySelectableRowsAndSayWhetherAnythingChanged) {
  const struct {
    const char *change;
    QList<int> before;
    std::function<bool(TableRowSelection &)> apply;
    QList<int> after;
    bool changed;
  } cases[] = {
      {"extend",
       {0},
       [](auto &s) {
         return s.select({1, 2, 3, -1, 99}, true);
       },
       {0, 2},
       true},
      {"replace",
       {0, 4},
       [](auto &s) {
         return s.select({2, 3}, false);
       },
       {2},
       true},
      {"replace by the same",
       {0, 4},
       [](auto &s) {
         return s.select({4, 0}, false);
       },
       {0, 4},
       false},
      {"toggle a feed", {0}, [](auto &s) { return s.toggle(2); }, {0, 2}, true},
      {"toggle a separator", {0}, [](auto &s) { return s.toggle(3); }, {0}, false},
      {"select all", {2}, [](auto &s) { return s.selectAll(); }, {0, 2, 4, 6, 8}, true},
      {"select all again",
       {0, 2, 4, 6, 8},
       [](auto &s) { return s.selectAll(); },
       {0, 2, 4, 6, 8},
       false},
      {"clear", {2, 8}, [](auto &s) { return s.clear(); }, {}, true},
      {"clear nothing", {}, [](auto &s) { return s.clear(); }, {}, false},
      {"shrink", {2, 8}, [](auto &s) { return s.resize(5); }, {2}, true},
      {"reset", {2}, [](auto &s) { return s.reset(4); }, {}, true},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.change);
    TableRowSelection s = feedRows(c.before);
    EXPECT_EQ(c.apply(s), c.changed);
    EXPECT_EQ(s.rows(), c.after);
    EXPECT_EQ(s.count(), c.after.size());
  }
}

TEST(TableRowSelection, InsertedAndRemovedRowsShiftTheSelection) {
  TableRowSelection s = feedRows({2, 6});
  s.insertRows(4, 2);
  EXPECT_EQ(s.rows(), QList<int>({2, 8}));
  EXPECT_EQ(s.rowCount(), 12);
  EXPECT_FALSE(s.removeRows(10, 11)) << "nothing selected moved or went";
  EXPECT_TRUE(s.removeRows(0, 1)) << "selected rows moved up";
  EXPECT_EQ(s.rows(), QList<int>({0, 6}));
  EXPECT_TRUE(s.removeRows(0, 1)) << "a selected row went";
  EXPECT_EQ(s.rows(), QList<int>({4}));
  EXPECT_EQ(s.count(), 1);
}

TEST(TableRowSelection, SpanRunsBetweenTwoRowsEitherWay) {
  EXPECT_EQ(TableRowSelection::span(5, 2), QList<int>({2, 3, 4, 5}));
  EXPECT_EQ(TableRowSelection::span(2, 5), QList<int>({2, 3, 4, 5}));
  EXPECT_EQ(TableRowSelection::span(3, 3), QList<int>({3}));
}

}  // namespace
