// Return and keypad Enter in the export window, as a keyboard user presses
// them: on the push button that has the focus they press it, as Space does.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "ReaderDatabase.h"
#include "TestSavePanel.h"
#include "TestSupport.h"
#include "export/CXExportListVC.h"
#include "platform/Defaults.h"
#include "services/AppearanceNames.h"
#include "store/CXExportStorage.h"
#include "toolkit/CXAlert.h"
#include "toolkit/CXButton.h"
#include "toolkit/CXTableViewWithEmptyHolder.h"
#include "window/CXExportDocumentWC.h"
#include "window/CompletionActions.h"

using testsupport::qpath;
using testsupport::waitUntil;
using State = CXExportListVC::LoadState;

namespace {

// The keys that confirm: Return, and Enter on the keypad.
struct Confirm {
  const char *name;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
};
constexpr Confirm kConfirmKeys[] = {{"Return", Qt::Key_Return, Qt::NoModifier},
                                    {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier}};

class ReturnKey : public ::testing::Test {
 protected:
  void SetUp() override {
    CXAlert::setAnswerForTesting(std::nullopt);
    testsupport::useScheme(Appearance::kLight);
    readerdb::write(dir / "Feeds", readerdb::numbered(3));
    storage.setDatabasePathOverride(dir / "Feeds");
    wc->setSavePanelFactory(
        [this] { return std::make_unique<TestSavePanel>(answer, &asked, nullptr); });
    wc->showWindow();
    ASSERT_TRUE(waitUntil([this] { return list()->loadState() == State::Loaded; }));
    wc->window()->activateWindow();
    ASSERT_TRUE(waitUntil([this] { return wc->window()->isActiveWindow(); }));
  }
  void TearDown() override {
    wc.reset();
    Defaults::standard().remove(AppearanceNames::kAppearanceTypeKey);
  }

  CXExportListVC *list() { return wc->exportListVC(); }
  // Gives w the keyboard and presses the key there, as a keyboard does.
  static void press(QWidget *w, const Confirm &key) {
    w->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), w);
    QTest::keyClick(w, key.key, key.modifiers);
  }

  testsupport::TempDir dir;
  CXExportStorage storage;
  std::unique_ptr<CXExportDocumentWC> wc = std::make_unique<CXExportDocumentWC>(&storage);
  TestSavePanel::Asked asked;
  // What the save panel answers: by default it is cancelled, and the list
  // stays.
  std::optional<QString> answer;
};

TEST_F(ReturnKey, PressesTheFocusedButtonOfTheList) {
  for (const Confirm &key : kConfirmKeys) {
    SCOPED_TRACE(key.name);
    press(list()->deselectAllButton(), key);
    EXPECT_TRUE(list()->selectedFeeds().isEmpty()) << "Deselect All";
    press(list()->selectAllButton(), key);
    EXPECT_EQ(list()->selectedFeeds().size(), 3) << "Select All";
  }
  // Space presses them as before.
  list()->deselectAllButton()->setFocus(Qt::TabFocusReason);
  QTest::keyClick(list()->deselectAllButton(), Qt::Key_Space);
  EXPECT_TRUE(list()->selectedFeeds().isEmpty());
}

TEST_F(ReturnKey, ExportsOnlyFromTheExportButton) {
  // The list and the filter keep the key to themselves, as they always did:
  // a Return meant for the filter starts no export.
  const struct {
    QWidget *place;
    int exports;
  } cases[] = {
      {list()->exportButton(), 1}, {list()->exportTableView(), 0}, {list()->filterField(), 0}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.place->objectName().toStdString());
    for (const Confirm &key : kConfirmKeys) {
      SCOPED_TRACE(key.name);
      asked.runs = 0;
      press(c.place, key);
      EXPECT_EQ(asked.runs, c.exports);
    }
  }
}

TEST_F(ReturnKey, PressesDoneAndTheButtonsThatFindTheFile) {
  answer = qpath(dir / "out.opml");
  QTest::keyClick(list()->exportButton(), Qt::Key_Space);
  ASSERT_EQ(asked.runs, 1);
  auto *done = wc->window()->findChild<CXButton *>(QStringLiteral("doneButton"));
  ASSERT_TRUE(waitUntil([&] { return done->isVisible(); }));
  // Outside the application's loop Done's quit changes nothing.
  QSignalSpy doneClicks(done, &QAbstractButton::clicked);

  // The two beside it act on the file; here they have none, so that they
  // reach no file manager.
  CompletionActions actions;
  actions.show();
  actions.activateWindow();
  ASSERT_TRUE(waitUntil([&] { return actions.isActiveWindow(); }));
  QSignalSpy shows(actions.showInFilesButton(), &QAbstractButton::clicked);
  QSignalSpy opens(actions.openButton(), &QAbstractButton::clicked);
  for (const Confirm &key : kConfirmKeys) {
    SCOPED_TRACE(key.name);
    press(actions.showInFilesButton(), key);
    press(actions.openButton(), key);
  }
  EXPECT_EQ(shows.count(), 2);
  EXPECT_EQ(opens.count(), 2);

  wc->window()->activateWindow();
  ASSERT_TRUE(waitUntil([&] { return wc->window()->isActiveWindow(); }));
  for (const Confirm &key : kConfirmKeys) press(done, key);
  EXPECT_EQ(doneClicks.count(), 2);
  // A key held down repeats; the button is pressed once.
  QTest::keyPress(done, Qt::Key_Return);
  QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(done, &repeat);
  QTest::keyRelease(done, Qt::Key_Return);
  EXPECT_EQ(doneClicks.count(), 3);
}

}  // namespace
