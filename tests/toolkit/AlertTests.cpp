// The shared alert: button numbers, completion once on the main thread, the
// keys, waiting alerts, its settings and scheme.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <thread>

#include "ScreenReaderLog.h"
#include "TestSupport.h"
#include "platform/MainQueue.h"
#include "toolkit/AlertSettings.h"
#include "toolkit/CXAlert.h"
#include "toolkit/WindowAppearance.h"

namespace {

using testsupport::pump;
using testsupport::waitUntil;

struct Answers {
  QList<int> numbers;
  QList<bool> onMainThread;
  std::function<void(int)> handler() {
    return [this](int n) {
      numbers.append(n);
      onMainThread.append(MainQueue::isMainThread());
    };
  }
};

class AlertTest : public ::testing::Test {
 protected:
  void SetUp() override { CXAlert::setAnswerForTesting(std::nullopt); }
  void TearDown() override {
    // Leave no alert behind for the next test.
    while (CXAlert::sharedAlert().isShowing()) {
      CXAlert::sharedAlert().window()->close();
      pump(std::chrono::milliseconds(5));
    }
    pump(std::chrono::milliseconds(5));
  }
  static CXAlert &alert() { return CXAlert::sharedAlert(); }
  static void show(const QStringList &buttons, Answers &answers) {
    CXAlert::showAlertWithTitleInformTextButtonTitlesCompletionHandler(
        "Orvella cannot be open during export", "Click Continue to quit Orvella.", buttons,
        answers.handler());
  }
};

TEST_F(AlertTest, WorksBeforeAnyWindowAndAnswersWithTheButtonNumber) {
  ASSERT_TRUE(QApplication::topLevelWidgets().isEmpty() ||
              std::none_of(QApplication::topLevelWidgets().cbegin(),
                           QApplication::topLevelWidgets().cend(),
                           [](QWidget *w) { return w->isVisible(); }));
  Answers answers;
  show({"Continue", "Cancel"}, answers);
  ASSERT_TRUE(alert().isShowing()) << "shown at once, without any other window";
  EXPECT_TRUE(answers.numbers.isEmpty()) << "the call does not wait for an answer";
  EXPECT_EQ(alert().window()->windowModality(), Qt::ApplicationModal);
  ASSERT_NE(alert().button(1), nullptr);
  EXPECT_EQ(alert().button(1)->text(), "Continue");
  EXPECT_EQ(alert().button(2)->text(), "Cancel");
  EXPECT_EQ(alert().button(3), nullptr);

  QTest::mouseClick(alert().button(2), Qt::LeftButton);
  EXPECT_EQ(answers.numbers, QList<int>({2}));
  EXPECT_EQ(answers.onMainThread, QList<bool>({true}));
  EXPECT_FALSE(alert().isShowing());
  pump(std::chrono::milliseconds(20));
  EXPECT_EQ(answers.numbers, QList<int>({2})) << "exactly once";
}

TEST_F(AlertTest, ReturnPressesTheFirstButtonAndEscapeTheLast) {
  Answers answers;
  show({"One", "Two", "Three"}, answers);
  ASSERT_TRUE(alert().isShowing());
  QTest::keyClick(alert().window(), Qt::Key_Return);
  show({"One", "Two", "Three"}, answers);
  ASSERT_TRUE(alert().isShowing());
  QTest::keyClick(alert().window(), Qt::Key_Escape);
  show({"One", "Two"}, answers);
  QTest::keyClick(alert().window(), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(answers.numbers, QList<int>({1, 3, 1}));
}

TEST_F(AlertTest, AScreenReaderHearsItWholeAndTheKeyboardReachesEveryButton) {
  testsupport::ScreenReaderLog log;
  struct Case {
    QStringList buttons;
    QList<Qt::Key> keys;  // sent to whatever has the focus
    int focusedAfter;
    int answer;  // the key that ends it: Return, or Space when the list says so
    bool bySpace;
  } cases[] = {
      // Side by side the first button is on the right: Left goes to the second.
      {{"Continue", "Cancel"}, {Qt::Key_Left}, 2, 2, false},
      {{"Continue", "Cancel"}, {Qt::Key_Left, Qt::Key_Right}, 1, 1, true},
      {{"Continue", "Cancel"}, {Qt::Key_Tab}, 2, 2, true},
      {{"Continue", "Cancel"}, {Qt::Key_Right}, 1, 1, false},  // stops at the edge
      // Stacked, they run downwards.
      {{"One", "Two", "Three"}, {Qt::Key_Down, Qt::Key_Down}, 3, 3, false},
      {{"One", "Two", "Three"}, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}, 2, 2, true},
  };
  for (const Case &c : cases) {
    const std::string what =
        c.buttons.join(",").toStdString() + " after " + std::to_string(c.keys.size()) + " keys";
    log.clear();
    Answers answers;
    show(c.buttons, answers);
    ASSERT_TRUE(QTest::qWaitForWindowActive(alert().window()));
    QAccessibleInterface *panel = QAccessible::queryAccessibleInterface(alert().window());
    EXPECT_EQ(panel->role(), QAccessible::AlertMessage);
    EXPECT_EQ(panel->text(QAccessible::Name), "Orvella cannot be open during export");
    const auto alerts = log.of(QAccessible::Alert);
    ASSERT_EQ(alerts.size(), 1) << what;
    EXPECT_EQ(alerts.first().object, alert().window());
    EXPECT_EQ(QApplication::focusWidget(), alert().button(1)) << what;
    for (Qt::Key key : c.keys) QTest::keyClick(QApplication::focusWidget(), key);
    EXPECT_EQ(QApplication::focusWidget(), alert().button(c.focusedAfter)) << what;
    QTest::keyClick(QApplication::focusWidget(), c.bySpace ? Qt::Key_Space : Qt::Key_Return);
    EXPECT_EQ(answers.numbers, QList<int>({c.answer})) << what;
  }
}

// What a screen reader says as an alert comes up, read as Orca reads one: its
// name, its description, then the text of each label inside that the name
// does not already hold.
QStringList heardOnShowing(QWidget *alert) {
  QAccessibleInterface *root = QAccessible::queryAccessibleInterface(alert);
  const QString name = root->text(QAccessible::Name);
  QStringList heard{name};
  if (const QString description = root->text(QAccessible::Description); !description.isEmpty())
    heard << description;
  const std::function<void(QAccessibleInterface *)> readLabels = [&](QAccessibleInterface *node) {
    for (int i = 0; i < node->childCount(); ++i) {
      QAccessibleInterface *child = node->child(i);
      if (!child || child->state().invisible) continue;
      const QString text = child->text(QAccessible::Name);
      if (child->role() == QAccessible::StaticText && !text.isEmpty() && !name.contains(text))
        heard << text;
      readLabels(child);
    }
  };
  readLabels(root);
  heard.sort();
  return heard;
}

TEST_F(AlertTest, AScreenReaderHearsTitleAndMessageOnceAsFromAStockMessageBox) {
  const struct {
    QString title, inform;
    QStringList buttons;
  } alerts[] = {
      {"Orvella cannot be open during export",
       "Click Continue to quit Orvella. The application will open when the export is complete",
       {"Continue", "Cancel"}},
      {"The file could not be saved", "The disk is full. Free some space and try again.", {"OK"}},
      {"The export could not be compared", "", {"OK"}},
  };
  for (const auto &a : alerts) {
    SCOPED_TRACE(a.title.toStdString());
    Answers answers;
    CXAlert::showAlertWithTitleInformTextButtonTitlesCompletionHandler(a.title, a.inform, a.buttons,
                                                                       answers.handler());
    ASSERT_TRUE(alert().isShowing());
    const QStringList heard = heardOnShowing(alert().window());
    QMessageBox stock(QMessageBox::NoIcon, a.title, a.title);
    stock.setInformativeText(a.inform);
    stock.show();
    EXPECT_EQ(heard.join(" | ").toStdString(), heardOnShowing(&stock).join(" | ").toStdString());
    EXPECT_EQ(heard.count(a.title), 1);
    if (!a.inform.isEmpty()) {
      EXPECT_EQ(heard.count(a.inform), 1);
    }
    alert().window()->close();
    ASSERT_EQ(answers.numbers, QList<int>{int(a.buttons.size())});
  }
}

TEST_F(AlertTest, TheButtonWithTheFocusShowsARing) {
  Answers answers;
  show({"Continue", "Cancel"}, answers);
  ASSERT_TRUE(QTest::qWaitForWindowActive(alert().window()));
  QAbstractButton *first = alert().button(1);
  QAbstractButton *second = alert().button(2);
  const QPoint edge(1, first->height() / 2);
  auto at = [&](QAbstractButton *b) { return b->grab().toImage().pixelColor(edge); };
  ASSERT_TRUE(first->hasFocus());
  const QColor ringed = at(first);
  const QColor plain = at(second);
  EXPECT_NE(ringed, plain);
  EXPECT_GT(qAbs(ringed.red() - ringed.blue()), 60) << "the accent colour";
  second->setFocus();
  EXPECT_EQ(at(first), plain) << "the ring goes with the focus";
  EXPECT_EQ(at(second), ringed);
  QTest::keyClick(alert().window(), Qt::Key_Escape);
  EXPECT_EQ(answers.numbers, QList<int>({2}));
}

TEST_F(AlertTest, ClosingTheWindowCountsAsTheLastButton) {
  Answers answers;
  show({"Continue", "Cancel"}, answers);
  alert().window()->close();
  EXPECT_EQ(answers.numbers, QList<int>({2}));
  EXPECT_FALSE(alert().isShowing());
}

TEST_F(AlertTest, AlertsAskedForMeanwhileWaitTheirTurn) {
  Answers first, second;
  show({"A1", "A2"}, first);
  show({"B1", "B2"}, second);
  ASSERT_TRUE(alert().isShowing());
  EXPECT_EQ(alert().button(1)->text(), "A1");
  QTest::mouseClick(alert().button(1), Qt::LeftButton);
  EXPECT_EQ(first.numbers, QList<int>({1}));
  ASSERT_TRUE(alert().isShowing());
  EXPECT_EQ(alert().button(1)->text(), "B1");
  QTest::mouseClick(alert().button(2), Qt::LeftButton);
  EXPECT_EQ(second.numbers, QList<int>({2}));
  EXPECT_EQ(first.numbers, QList<int>({1}));
}

TEST_F(AlertTest, ACompletionMayShowTheNextAlert) {
  Answers inner;
  QList<int> outer;
  CXAlert::showAlertWithTitleInformTextButtonTitlesCompletionHandler("First", "", {"Go", "Stop"},
                                                                     [&](int n) {
                                                                       outer.append(n);
                                                                       show({"Again"}, inner);
                                                                     });
  QTest::mouseClick(alert().button(1), Qt::LeftButton);
  ASSERT_TRUE(alert().isShowing());
  EXPECT_EQ(alert().button(1)->text(), "Again");
  QTest::keyClick(alert().window(), Qt::Key_Escape);
  EXPECT_EQ(outer, QList<int>({1}));
  EXPECT_EQ(inner.numbers, QList<int>({1}));
}

TEST_F(AlertTest, AskedFromAnotherThreadItStillAnswersOnTheMainThread) {
  Answers answers;
  std::thread worker([&] { show({"Continue", "Cancel"}, answers); });
  worker.join();
  ASSERT_TRUE(waitUntil([] { return CXAlert::sharedAlert().isShowing(); }));
  QTest::mouseClick(alert().button(1), Qt::LeftButton);
  EXPECT_EQ(answers.numbers, QList<int>({1}));
  EXPECT_EQ(answers.onMainThread, QList<bool>({true}));
}

TEST_F(AlertTest, WithoutButtonTitlesThereIsOneOkButton) {
  Answers answers;
  show({}, answers);
  ASSERT_NE(alert().button(1), nullptr);
  EXPECT_EQ(alert().button(1)->text(), "OK");
  QTest::keyClick(alert().window(), Qt::Key_Escape);
  EXPECT_EQ(answers.numbers, QList<int>({1}));
}

TEST_F(AlertTest, TestAnswerIsDeliveredLaterWithoutAWindow) {
  CXAlert::setAnswerForTesting(7);
  Answers answers;
  show({"Continue", "Cancel"}, answers);
  EXPECT_FALSE(alert().isShowing());
  EXPECT_TRUE(answers.numbers.isEmpty());
  ASSERT_TRUE(waitUntil([&] { return !answers.numbers.isEmpty(); }));
  EXPECT_EQ(answers.numbers, QList<int>({2})) << "clamped to the buttons there are";
  EXPECT_EQ(answers.onMainThread, QList<bool>({true}));
  CXAlert::setAnswerForTesting(std::nullopt);
}

TEST_F(AlertTest, SettingsHoldForLaterAlertsAndStyleThem) {
  alert().setTitleSettings(
      {{"fontName", "HelveticaNeue-Medium"}, {"fontSize", 13}, {"fontKern", 0.5}});
  alert().setInformSettings(
      {{"fontName", "HelveticaNeue-Light"}, {"fontSize", 12}, {"fontKern", 0.5}});
  alert().setButtonsSettings(
      {QVariantMap{{"offColor", QColor(255, 129, 0)},
                   {"hoverColor", QColor(215, 109, 0)},
                   {"pressedColor", QColor(245, 119, 0)},
                   {"kern", 0.5},
                   {"fontName", "HelveticaNeue-Light"},
                   {"fontSize", 13}},
       QVariantMap{{"kern", 0.5}, {"fontName", "HelveticaNeue-Light"}, {"fontSize", 13}}});

  for (int appearance : {1, 0}) {
    alert().setAlertAppearance(appearance);
    Answers answers;
    show({"Continue", "Cancel"}, answers);
    QWidget *w = alert().window();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(WindowAppearance::scheme(w),
              appearance == 1 ? ColorScheme::Dark : ColorScheme::Light);

    auto *title = w->findChild<QLabel *>("alertTitle");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->font().pixelSize(), 13);
    EXPECT_EQ(title->font().weight(), QFont::Medium);
    EXPECT_DOUBLE_EQ(title->font().letterSpacing(), 0.5);
    auto *inform = w->findChild<QLabel *>("alertInform");
    ASSERT_NE(inform, nullptr);
    EXPECT_EQ(inform->font().pixelSize(), 12);
    EXPECT_EQ(inform->font().weight(), QFont::Light);

    // The first button wears its orange; the second the scheme's plain face.
    const QImage first = alert().button(1)->grab().toImage();
    const QColor face = first.pixelColor(6, first.height() / 2);
    EXPECT_EQ(face, QColor(255, 129, 0));
    const QImage second = alert().button(2)->grab().toImage();
    EXPECT_NE(second.pixelColor(6, second.height() / 2), QColor(255, 129, 0));
    QTest::keyClick(w, Qt::Key_Escape);
  }
}

TEST_F(AlertTest, MissingFontFamiliesFallBackToAnInstalledSansOfTheSameWeight) {
  const QFont font = AlertSettings::font(
      {{"fontName", "NoSuchFamilyAnywhere-Light"}, {"fontSize", 12}}, "HelveticaNeue-Medium", 13);
  EXPECT_TRUE(QFontDatabase::families().contains(font.family())) << font.family().toStdString();
  EXPECT_EQ(font.weight(), QFont::Light);
  EXPECT_EQ(font.pixelSize(), 12);

  const QFont fallback = AlertSettings::font({}, "HelveticaNeue-Medium", 13);
  EXPECT_EQ(fallback.weight(), QFont::Medium);
  EXPECT_EQ(fallback.pixelSize(), 13);
  EXPECT_DOUBLE_EQ(fallback.letterSpacing(), 0.0);
}

}  // namespace
