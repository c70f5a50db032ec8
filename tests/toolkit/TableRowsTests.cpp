// The export table's two plain parts: where rows lie, and which are selected.
#include <gtest/gtest.h>

#include "toolkit/TableRowHeights.h"
#include "toolkit/TableRowSelection.h"

namespace {

using H = TableRowHeights;
using S = TableRowSelection;

TEST(TableRowHeights, FindsTheRowAtEveryY) {
  const H h({17, 1, 0, 17, 1});  // a row of height 0 takes no room
  const int rowAtY[][2] = {{-1, -1}, {0, 0}, {16, 0}, {17, 1}, {18, 3}, {35, 4}, {36, -1}};
  for (const auto &[y, row] : rowAtY) EXPECT_EQ(h.rowAt(y), row) << "y " << y;
  EXPECT_EQ(h.contentHeight(), 36);
  EXPECT_EQ(H().rowAt(0), -1);
}

TEST(TableRowHeights, EditsLeaveTheSameLayoutAsBuildingAfresh) {
  const struct {
    void (*edit)(H &);
    std::vector<int> result;
  } cases[] = {{[](H &h) {
                  h.insert(2, {5, 6});
                },
                {17, 1, 5, 6, 17, 1}},
               {[](H &h) { h.insert(0, {3}); }, {3, 17, 1, 17, 1}},
               {[](H &h) { h.insert(4, {3}); }, {17, 1, 17, 1, 3}},
               {[](H &h) { h.remove(0, 1); }, {17, 1}},
               {[](H &h) { h.remove(3, 9); }, {17, 1, 17}},
               {[](H &h) {
                  EXPECT_TRUE(h.update(1, {4, 40}));
                },
                {17, 4, 40, 1}},
               {[](H &h) {
                  EXPECT_FALSE(h.update(0, {17, 1}));
                },
                {17, 1, 17, 1}}};
  for (const auto &c : cases) {
    H h({17, 1, 17, 1});
    c.edit(h);
    const H fresh(c.result);
    ASSERT_EQ(h.count(), fresh.count());
    for (int r = 0; r < h.count(); ++r) EXPECT_EQ(h.top(r), fresh.top(r)) << "row " << r;
    EXPECT_EQ(h.contentHeight(), fresh.contentHeight());
  }
}

// Five feeds: even rows may be selected, odd ones (separators) never.
S feedRows(const QList<int> &selected) {
  S s([](int row) { return row % 2 == 0; });
  s.reset(10);
  s.select(selected, true);
  return s;
}

TEST(TableRowSelection, ChangesKeepOnlySelectableRowsAndSayWhetherAnythingChanged) {
  const struct {
    QList<int> before;
    bool (*change)(S &);
    QList<int> after;
    bool changed;
  } cases[] = {
      {{0},
       [](S &s) {
         return s.select({1, 2, 3, -1, 99}, true);
       },
       {0, 2},
       true},
      {{0, 4},
       [](S &s) {
         return s.select({2, 3}, false);
       },
       {2},
       true},
      {{0, 4},
       [](S &s) {
         return s.select({4, 0}, false);
       },
       {0, 4},
       false},
      {{0}, [](S &s) { return s.toggle(2); }, {0, 2}, true},
      {{0}, [](S &s) { return s.toggle(3); }, {0}, false},
      {{2}, [](S &s) { return s.selectAll(); }, {0, 2, 4, 6, 8}, true},
      {{0, 2, 4, 6, 8}, [](S &s) { return s.selectAll(); }, {0, 2, 4, 6, 8}, false},
      {{2, 8}, [](S &s) { return s.clear(); }, {}, true},
      {{}, [](S &s) { return s.clear(); }, {}, false},
      {{2, 8}, [](S &s) { return s.resize(5); }, {2}, true},
      {{2}, [](S &s) { return s.reset(4); }, {}, true},
  };
  for (const auto &c : cases) {
    S s = feedRows(c.before);
    EXPECT_EQ(c.change(s), c.changed) << &c - cases;
    EXPECT_EQ(s.rows(), c.after) << &c - cases;
    EXPECT_EQ(s.count(), c.after.size()) << &c - cases;
  }
}

TEST(TableRowSelection, InsertedAndRemovedRowsShiftTheSelection) {
  S s = feedRows({2, 6});
  s.insertRows(4, 2);
  EXPECT_EQ(s.rows(), QList<int>({2, 8}));
  EXPECT_FALSE(s.removeRows(10, 11)) << "nothing selected moved or went";
  EXPECT_TRUE(s.removeRows(0, 1)) << "selected rows moved up";
  EXPECT_EQ(s.rows(), QList<int>({0, 6}));
  EXPECT_TRUE(s.removeRows(0, 1)) << "a selected row went";
  EXPECT_EQ(s.rows(), QList<int>({4}));
  EXPECT_EQ(S::span(5, 2), QList<int>({2, 3, 4, 5})) << "a shift range runs either way";
}

}  // namespace
