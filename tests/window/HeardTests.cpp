// What a screen reader is told in the export window beyond the focused item,
// checked as the events Qt hands the desktop bridge: the filter field heard
// by its name, the filter's result once typing rests, the count after Select
// All, why Export did nothing, and the open menu rather than the window.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "ReaderDatabase.h"
#include "ScreenReaderLog.h"
#include "TestSavePanel.h"
#include "TestSupport.h"
#include "export/CXExportListVC.h"
#include "export/ExportListAnnouncer.h"
#include "platform/Defaults.h"
#include "platform/Localized.h"
#include "services/AppearanceNames.h"
#include "store/CXExportStorage.h"
#include "toolkit/CXAlert.h"
#include "toolkit/CXButton.h"
#include "toolkit/CXTableViewWithEmptyHolder.h"
#include "window/CXExportDocumentWC.h"

using testsupport::waitUntil;
using State = CXExportListVC::LoadState;

namespace {

class Heard : public ::testing::Test {
 protected:
  void SetUp() override {
    CXAlert::setAnswerForTesting(std::nullopt);
    testsupport::useScheme(Appearance::kLight);
    readerdb::write(dir / "Feeds",
                    {{"Daily News", "https://news.example", "https://news.example/feed"},
                     {"Science", "https://sci.example", "https://sci.example/rss"},
                     {"Sports", "https://sport.example", "https://sport.example/rss"}});
    storage.setDatabasePathOverride(dir / "Feeds");
    wc->setSavePanelFactory(
        [this] { return std::make_unique<TestSavePanel>(std::nullopt, &asked, nullptr); });
    wc->showWindow();
    ASSERT_TRUE(waitUntil([this] { return list()->loadState() == State::Loaded; }));
    wc->window()->activateWindow();
    ASSERT_TRUE(waitUntil([this] { return wc->window()->isActiveWindow(); }));
    ASSERT_TRUE(waitUntil([this] { return table()->hasFocus(); }));
  }
  void TearDown() override {
    wc.reset();
    Defaults::standard().remove(AppearanceNames::kAppearanceTypeKey);
  }

  CXExportListVC *list() { return wc->exportListVC(); }
  CXTableViewWithEmptyHolder *table() { return list()->exportTableView(); }
  QLineEdit *filter() { return list()->filterField(); }
  // The sentences announced since the log was cleared, in order.
  QStringList announced() const {
    QStringList sentences;
    for (const auto &e : log.of(QAccessible::ObjectShow))
      if (e.role == QAccessible::Notification) sentences << e.name;
    return sentences;
  }
  // Lets typing rest long enough for its result to be told.
  static void rest() {
    testsupport::pump(std::chrono::milliseconds(ExportListAnnouncer::kTypingRestMs + 150));
  }

  testsupport::TempDir dir;
  CXExportStorage storage;
  std::unique_ptr<CXExportDocumentWC> wc = std::make_unique<CXExportDocumentWC>(&storage);
  TestSavePanel::Asked asked;
  testsupport::ScreenReaderLog log;
};

TEST_F(Heard, CtrlFIsHeardAsTheFilterFieldByItsName) {
  // By the shortcut and by Tab alike, the field's focus is told before its
  // caret or selection moves: a screen reader takes an earlier caret move for
  // the focus, unannounced.
  struct Way {
    const char *name;
    std::function<void()> go;
  } ways[] = {{"Ctrl+F", [&] { QTest::keyClick(table(), Qt::Key_F, Qt::ControlModifier); }},
              {"Shift+Tab", [&] { QTest::keyClick(table(), Qt::Key_Backtab, Qt::ShiftModifier); }}};
  for (const Way &way : ways) {
    SCOPED_TRACE(way.name);
    table()->setFocus();
    filter()->setText(QStringLiteral("sci"));
    testsupport::pump(std::chrono::milliseconds(20));
    log.clear();
    way.go();
    ASSERT_TRUE(waitUntil([&] { return filter()->hasSelectedText(); }));
    int focus = -1, firstCaret = -1;
    for (int i = 0; i < log.events().size(); ++i) {
      const auto &e = log.events()[i];
      if (e.object != filter()) continue;
      if (e.type == QAccessible::Focus && focus < 0) focus = i;
      if ((e.type == QAccessible::TextCaretMoved || e.type == QAccessible::TextSelectionChanged) &&
          firstCaret < 0)
        firstCaret = i;
    }
    ASSERT_GE(focus, 0);
    EXPECT_EQ(log.events()[focus].name, "Filter feeds");
    EXPECT_TRUE(firstCaret < 0 || focus < firstCaret)
        << "focus " << focus << ", caret " << firstCaret;
    filter()->clear();
  }
}

TEST_F(Heard, TypingIsToldOnceItRestsAndTheListNeverTakesTheFocus) {
  filter()->setFocus(Qt::ShortcutFocusReason);
  log.clear();
  QTest::keyClicks(filter(), QStringLiteral("sc"));
  EXPECT_TRUE(announced().isEmpty()) << "told at every key";
  rest();
  EXPECT_EQ(announced(), QStringList{"3 of 3 selected, 1 shown"});
  // The rows that came and went with the typing were not given the focus:
  // a screen reader would have left the field for them.
  for (const auto &e : log.of(QAccessible::Focus)) EXPECT_NE(e.object, table());
  EXPECT_TRUE(filter()->hasFocus());

  struct Step {
    const char *what;
    std::function<void()> press;
    QStringList heard;
  } steps[] = {
      {"nothing matches",
       [&] { QTest::keyClicks(filter(), QStringLiteral("zz")); },
       {"No feed matches “sczz”."}},
      {"Escape",
       [&] { QTest::keyClick(filter(), Qt::Key_Escape); },
       {"All feeds are shown again. 3 of 3 selected"}},
  };
  for (const Step &step : steps) {
    SCOPED_TRACE(step.what);
    log.clear();
    step.press();
    rest();
    EXPECT_EQ(announced(), step.heard);
  }
  EXPECT_EQ(table()->shownPlaceholder(), QString()) << "the list is whole again";
}

TEST_F(Heard, SelectAllAndItsKinTellTheNewCount) {
  struct Press {
    const char *what;
    std::function<void()> press;
    QString heard;
  } presses[] = {
      {"Deselect All", [&] { QTest::mouseClick(list()->deselectAllButton(), Qt::LeftButton); },
       "0 of 3 selected"},
      {"Select All", [&] { QTest::mouseClick(list()->selectAllButton(), Qt::LeftButton); },
       "3 of 3 selected"},
      {"Deselect Shown",
       [&] {
         filter()->setText(QStringLiteral("sp"));
         QTest::mouseClick(list()->deselectAllButton(), Qt::LeftButton);
       },
       "2 of 3 selected, 1 shown"},
  };
  for (const Press &p : presses) {
    SCOPED_TRACE(p.what);
    rest();
    log.clear();
    p.press();
    EXPECT_EQ(announced(), QStringList{p.heard});
  }
}

TEST_F(Heard, ExportWithNothingTickedSaysWhyOnScreenAndAloud) {
  QLabel *line = list()->view()->findChild<QLabel *>(QStringLiteral("nothingTickedLabel"));
  ASSERT_NE(line, nullptr);
  EXPECT_FALSE(line->isVisible());
  QTest::keyClick(table(), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_TRUE(list()->selectedFeeds().isEmpty());
  log.clear();
  QTest::keyClick(table(), Qt::Key_E, Qt::ControlModifier);
  EXPECT_FALSE(asked.runs) << "no save dialog for nothing";
  EXPECT_TRUE(line->isVisible());
  EXPECT_EQ(line->text(), "Tick at least one feed to export.");
  EXPECT_EQ(announced(), QStringList{"Tick at least one feed to export."});
  // From the filter field too; and a tick takes the line away.
  filter()->setFocus();
  log.clear();
  QTest::keyClick(filter(), Qt::Key_E, Qt::ControlModifier);
  EXPECT_EQ(announced(), QStringList{"Tick at least one feed to export."});
  table()->setFocus();
  QTest::keyClick(table(), Qt::Key_Space);
  EXPECT_FALSE(line->isVisible());
  // With a feed ticked Ctrl+E exports, and says nothing of ticks.
  log.clear();
  QTest::keyClick(table(), Qt::Key_E, Qt::ControlModifier);
  EXPECT_EQ(asked.runs, 1);
  EXPECT_TRUE(announced().isEmpty());
}

TEST_F(Heard, TheWindowIsNotActiveWhileItsMenuIsOpen) {
  QAccessibleInterface *window = QAccessible::queryAccessibleInterface(wc->window());
  EXPECT_TRUE(window->state().active);
  bool activeWithMenu = true;
  QTimer::singleShot(50, [&] {
    activeWithMenu = window->state().active;
    QTest::keyClick(wc->menu(), Qt::Key_Escape);
  });
  QTest::keyClick(table(), Qt::Key_F10);
  EXPECT_FALSE(activeWithMenu);
  ASSERT_TRUE(waitUntil([&] { return !wc->menu()->isVisible(); }));
  EXPECT_TRUE(window->state().active);
}

}  // namespace

TEST_F(Heard, EachRowTellsItsPlaceAmongTheShownRowsInTheUsersLanguage) {
  QAccessibleInterface *listItems = QAccessible::queryAccessibleInterface(table());
  ASSERT_NE(listItems, nullptr);
  auto places = [listItems] {
    QStringList said;
    for (int i = 0; i < listItems->childCount(); ++i)
      said << listItems->child(i)->text(QAccessible::Description);
    return said;
  };
  EXPECT_EQ(places(), QStringList({"1 of 3", "2 of 3", "3 of 3"}));

  // Among the rows the filter shows, not among all feeds.
  QTest::keyClicks(filter(), QStringLiteral("sp"));
  EXPECT_EQ(places(), QStringList({"1 of 1"}));
  QTest::keyClick(filter(), Qt::Key_Escape);

  // In the user's words and digits.
  const struct {
    const char *locale;
    QString second;
  } languages[] = {{"de", "2 von 3"}, {"ja", "3 件中 2 件目"}, {"ar", "٢ من ٣"}};
  for (const auto &l : languages) {
    const QLocale locale(QString::fromLatin1(l.locale));
    QLocale::setDefault(locale);
    reloadStringsTables(locale);
    EXPECT_EQ(places().value(1), l.second) << l.locale;
  }
  QLocale::setDefault(QLocale(QLocale::English));
  reloadStringsTables(QLocale(QLocale::English));
}
