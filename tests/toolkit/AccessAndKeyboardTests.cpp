// What a keyboard or screen-reader user meets in the toolkit's widgets: the
// table as assistive technology sees it, type-ahead in the table, and
// resizing a frameless window by its edges.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleTableInterface>
#include <QApplication>
#include <QTest>
#include <functional>

#include "FeedRows.h"
#include "ScreenReaderLog.h"
#include "TestSupport.h"
#include "toolkit/CXFramelessResizer.h"
#include "toolkit/CXTableViewWithEmptyHolder.h"

namespace {

struct Table {
  explicit Table(const QStringList &titles) : model(titles) {
    view.setItemDelegate(&delegate);
    view.setModel(&model);
    view.setIsCustomMouseDown(true);
    view.resize(200, 120);
    view.show();
  }
  FeedRowsModel model;
  FeedRowsDelegate delegate;
  CXTableViewWithEmptyHolder view;
};

}  // namespace

TEST(TableKeyboardTest, TypedLettersMoveTheCurrentRowWithoutTicking) {
  Table t({"Daily News", "Science", "Sports", "Design Blog"});
  t.view.setFocus();
  QTest::keyClicks(&t.view, "sp");
  EXPECT_EQ(t.view.currentIndex().row(), 2) << "\"sp\" is Sports, the third feed";
  EXPECT_EQ(t.model.checkedCount(), 0);
  QTest::keyClick(&t.view, Qt::Key_Space);
  EXPECT_TRUE(t.view.isRowSelected(2)) << "Space ticks the row type-ahead landed on";
  // The same letter again steps through the feeds that start with it.
  QTest::qWait(QApplication::keyboardInputInterval() + 50);
  QTest::keyClicks(&t.view, "s");
  EXPECT_EQ(t.view.currentIndex().row(), 1) << "from Sports on to Science, wrapping round";
}

TEST(TableAccessibleTest, ScreenReaderSeesTheFeedsAsCheckableItems) {
  Table t({"Daily News", "", "Science"});
  t.view.setAccessibleName("Feeds");
  QAccessibleInterface *list = QAccessible::queryAccessibleInterface(&t.view);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->role(), QAccessible::List);
  EXPECT_EQ(list->text(QAccessible::Name), "Feeds");
  ASSERT_EQ(list->childCount(), 3);
  QAccessibleTableInterface *table = list->tableInterface();
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->rowCount(), 3);
  EXPECT_EQ(table->columnCount(), 1);

  t.view.toggleRow(2);
  struct Item {
    QString name;
    bool checked;
  };
  const Item expected[] = {{"Daily News", false}, {"", false}, {"Science", true}};
  for (int i = 0; i < 3; ++i) {
    QAccessibleInterface *item = list->child(i);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->role(), QAccessible::CheckBox) << "rows that clicks tick";
    EXPECT_EQ(item->text(QAccessible::Name), expected[i].name);
    EXPECT_TRUE(item->state().checkable);
    EXPECT_EQ(bool(item->state().checked), expected[i].checked) << i;
    EXPECT_EQ(bool(item->state().selected), expected[i].checked) << i;
    EXPECT_EQ(list->indexOfChild(item), i);
    EXPECT_EQ(item->tableCellInterface()->rowIndex(), i);
    EXPECT_EQ(item, list->child(i)) << "the same item each time";
  }
  EXPECT_EQ(table->selectedRows(), QList<int>{2});

  // Ticking through the screen reader reaches the view.
  list->child(0)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  EXPECT_TRUE(t.view.isRowSelected(0));
  EXPECT_TRUE(table->unselectRow(2));
  EXPECT_FALSE(t.view.isRowSelected(2));
  EXPECT_FALSE(table->selectRow(7)) << "no such item";

  // The item under a point, as for mouse review.
  const QRect second = t.view.rectOfRow(1);
  const QPoint global = t.view.viewport()->mapToGlobal(second.center());
  QAccessibleInterface *hit = list->childAt(global.x(), global.y());
  ASSERT_NE(hit, nullptr);
  EXPECT_EQ(hit->text(QAccessible::Name), "");
  EXPECT_EQ(list->indexOfChild(hit), 1);

  // New rows show up without the screen reader having to ask twice.
  t.model.setTitles({"Daily News", "", "Science", "Late Feed"});
  ASSERT_EQ(list->childCount(), 4);
  EXPECT_EQ(list->child(3)->text(QAccessible::Name), "Late Feed");
}

TEST(TableAccessibleTest, EachTickOrUntickIsToldOnceAndUnchangedRowsStayQuiet) {
  testsupport::ScreenReaderLog log;
  Table t({"Daily News", "Science", "Sports"});
  QAccessibleInterface *list = QAccessible::queryAccessibleInterface(&t.view);
  for (int i = 0; i < list->childCount(); ++i) list->child(i);  // as a screen reader reads them
  t.view.setFocus();
  t.view.setCurrentIndex(t.model.index(1, 0));  // "Science"

  struct Told {
    QString name;
    bool checked;
  };
  struct Step {
    const char *what;
    std::function<void()> act;
    std::vector<Told> told;
  };
  const Step steps[] = {
      {"Space ticks", [&] { QTest::keyClick(&t.view, Qt::Key_Space); }, {{"Science", true}}},
      {"Space again unticks",
       [&] { QTest::keyClick(&t.view, Qt::Key_Space); },
       {{"Science", false}}},
      {"a click on another row", [&] { t.view.toggleRow(2); }, {{"Sports", true}}},
      {"select all tells only the rows it ticked",
       [&] { t.view.selectAll(); },
       {{"Daily News", true}, {"Science", true}}},
      {"select all again changes nothing", [&] { t.view.selectAll(); }, {}},
      {"deselect all",
       [&] { t.view.deselectAll(); },
       {{"Daily News", false}, {"Science", false}, {"Sports", false}}},
  };
  for (const Step &step : steps) {
    log.clear();
    step.act();
    std::vector<Told> told;
    for (const auto &e : log.of(QAccessible::StateChanged)) {
      EXPECT_TRUE(e.changed.checked) << step.what;
      EXPECT_TRUE(e.state.checkable) << step.what;
      told.push_back({e.name, bool(e.state.checked)});
    }
    ASSERT_EQ(told.size(), step.told.size()) << step.what;
    for (size_t i = 0; i < told.size(); ++i) {
      EXPECT_EQ(told[i].name.toStdString(), step.told[i].name.toStdString()) << step.what;
      EXPECT_EQ(told[i].checked, step.told[i].checked) << step.what;
    }
  }
}

TEST(TableAccessibleTest, TheCurrentRowIsToldWhenTheListGetsTheFocus) {
  testsupport::ScreenReaderLog log;
  Table t({"Daily News", "Science"});
  t.view.setCurrentIndex(t.model.index(1, 0));
  t.view.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&t.view));
  t.view.clearFocus();
  log.clear();
  t.view.setFocus();
  ASSERT_TRUE(testsupport::waitUntil([&] {
    const auto focus = log.of(QAccessible::Focus);
    return !focus.isEmpty() && focus.last().child >= 0;
  }));
  const auto focus = log.of(QAccessible::Focus);
  EXPECT_EQ(focus.first().child, -1) << "the list itself first";
  EXPECT_EQ(focus.last().name.toStdString(), "Science");
  EXPECT_EQ(focus.last().object, &t.view);
  EXPECT_TRUE(focus.last().state.focused);
}

TEST(FramelessResizerTest, CursorsShowTheDirectionOfEachEdgeAndCorner) {
  const struct {
    Qt::Edges edges;
    Qt::CursorShape cursor;
  } cases[] = {
      {Qt::LeftEdge, Qt::SizeHorCursor},
      {Qt::RightEdge, Qt::SizeHorCursor},
      {Qt::TopEdge, Qt::SizeVerCursor},
      {Qt::BottomEdge, Qt::SizeVerCursor},
      {Qt::TopEdge | Qt::LeftEdge, Qt::SizeFDiagCursor},
      {Qt::BottomEdge | Qt::RightEdge, Qt::SizeFDiagCursor},
      {Qt::TopEdge | Qt::RightEdge, Qt::SizeBDiagCursor},
      {Qt::BottomEdge | Qt::LeftEdge, Qt::SizeBDiagCursor},
  };
  QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
  window.resize(300, 200);
  auto *resizer = new CXFramelessResizer(&window);
  auto *child = new QWidget(&window);  // content added later stays under the grips
  child->setGeometry(window.rect());
  window.show();
  for (const auto &c : cases) {
    QWidget *grip = resizer->grip(c.edges);
    ASSERT_NE(grip, nullptr);
    EXPECT_EQ(grip->cursor().shape(), c.cursor) << int(c.edges);
    // The grip is what the pointer finds at that edge of the window.
    EXPECT_EQ(window.childAt(grip->geometry().center()), grip) << int(c.edges);
  }
  window.showMaximized();
  ASSERT_TRUE(testsupport::waitUntil([&] { return window.isMaximized(); }));
  EXPECT_EQ(window.childAt(window.rect().bottomRight()), child) << "no grips while maximised";
}

TEST(FramelessResizerTest, DraggingAGripResizesAndKeepsTheMinimumSize) {
  const QRect start(100, 100, 400, 300);
  const QSize minimum(360, 250);
  const struct {
    Qt::Edges edges;
    QPoint delta;
    QRect expected;
  } cases[] = {
      {Qt::BottomEdge | Qt::RightEdge, {50, 40}, {100, 100, 450, 340}},
      {Qt::LeftEdge, {-30, 0}, {70, 100, 430, 300}},
      {Qt::TopEdge, {0, 20}, {100, 120, 400, 280}},
      {Qt::TopEdge | Qt::LeftEdge, {200, 200}, {140, 150, 360, 250}},  // stops at the minimum
      {Qt::RightEdge, {-300, 99}, {100, 100, 360, 300}},
  };
  for (const auto &c : cases)
    EXPECT_EQ(CXFramelessResizer::resized(start, c.edges, c.delta, minimum), c.expected)
        << int(c.edges);

  // A real drag on the offscreen platform, which cannot resize by itself.
  QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
  window.setMinimumSize(minimum);
  window.setGeometry(start);
  auto *resizer = new CXFramelessResizer(&window);
  window.show();
  QWidget *corner = resizer->grip(Qt::BottomEdge | Qt::RightEdge);
  const QPoint at(3, 3);
  QTest::mousePress(corner, Qt::LeftButton, {}, at);
  QMouseEvent move(QEvent::MouseMove, QPointF(at + QPoint(60, 30)),
                   QPointF(corner->mapToGlobal(at + QPoint(60, 30))), Qt::NoButton, Qt::LeftButton,
                   {});
  QApplication::sendEvent(corner, &move);
  QTest::mouseRelease(corner, Qt::LeftButton, {}, at + QPoint(60, 30));
  EXPECT_EQ(window.size(), QSize(460, 330));
  EXPECT_EQ(window.pos(), start.topLeft());
}
