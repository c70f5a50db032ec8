// Swapping the view a container shows.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

#include "TestSupport.h"
#include "platform/MainQueue.h"
#include "toolkit/CXTransition.h"

namespace {

using testsupport::pump;
using testsupport::waitUntil;

struct Holder {
  Holder() {
    window.resize(320, 240);
    container = new QWidget(&window);
    container->setGeometry(10, 10, 300, 200);
    oldView = new QLabel("list", container);
    auto *layout = new QVBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(oldView);
    newView = new QLabel("done");
    window.show();
  }
  QWidget window;
  QWidget *container;
  QPointer<QLabel> oldView;
  QPointer<QLabel> newView;
};

TEST(TransitionTest, SubviewReplacesWhatTheContainerShowedAndFillsIt) {
  Holder h;
  int calls = 0;
  bool onMain = false;
  CXTransition::changeLayoutSubviewFillingAndInsertedIntoView(h.newView, h.container, nullptr,
                                                              false, [&] {
                                                                ++calls;
                                                                onMain = MainQueue::isMainThread();
                                                              });
  EXPECT_EQ(calls, 0) << "the completion runs afterwards, not inside the call";
  EXPECT_EQ(h.newView->parentWidget(), h.container);
  EXPECT_TRUE(h.newView->isVisible());
  EXPECT_EQ(h.newView->geometry(), h.container->rect());
  ASSERT_TRUE(h.oldView) << "the old view is not deleted: its owner keeps it";
  EXPECT_FALSE(h.oldView->isVisible());
  EXPECT_EQ(h.container->layout()->indexOf(h.oldView), -1);

  ASSERT_TRUE(waitUntil([&] { return calls > 0; }));
  pump(std::chrono::milliseconds(50));
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(onMain);

  // And back again: the old view can be shown once more.
  CXTransition::changeLayoutSubviewFillingAndInsertedIntoView(h.oldView, h.container, nullptr,
                                                              false, nullptr);
  EXPECT_TRUE(h.oldView->isVisible());
  EXPECT_FALSE(h.newView->isVisible());
  EXPECT_EQ(h.oldView->geometry(), h.container->rect());
}

TEST(TransitionTest, AnimatedChangeFadesThenCompletes) {
  Holder h;
  const QVariantMap params{{"duration", 60}};
  int calls = 0;
  CXTransition::changeLayoutSubviewFillingAndInsertedIntoView(h.newView, h.container, &params, true,
                                                              [&] { ++calls; });
  EXPECT_TRUE(h.newView->isVisible());
  EXPECT_FALSE(h.oldView->isVisible());
  EXPECT_NE(h.container->findChild<QWidget *>("CXTransitionFade"), nullptr)
      << "the old picture fades over the new view";
  EXPECT_EQ(calls, 0);
  ASSERT_TRUE(waitUntil([&] { return calls == 1; }));
  pump(std::chrono::milliseconds(30));
  EXPECT_EQ(h.container->findChild<QWidget *>("CXTransitionFade"), nullptr);
  EXPECT_EQ(calls, 1);
}

TEST(TransitionTest, ASecondChangeDuringAFadeFinishesTheFirst) {
  Holder h;
  const QVariantMap slow{{"duration", 5000}};
  int first = 0, second = 0;
  CXTransition::changeLayoutSubviewFillingAndInsertedIntoView(h.newView, h.container, &slow, true,
                                                              [&] { ++first; });
  CXTransition::changeLayoutSubviewFillingAndInsertedIntoView(h.oldView, h.container, nullptr,
                                                              false, [&] { ++second; });
  ASSERT_TRUE(waitUntil([&] { return first == 1 && second == 1; }, std::chrono::seconds(3)));
  EXPECT_TRUE(h.oldView->isVisible());
  EXPECT_FALSE(h.newView->isVisible());
}

TEST(TransitionTest, NullContainerStillCompletes) {
  int calls = 0;
  QLabel view("x");
  CXTransition::changeLayoutSubviewFillingAndInsertedIntoView(&view, nullptr, nullptr, true,
                                                              [&] { ++calls; });
  ASSERT_TRUE(waitUntil([&] { return calls == 1; }));
}

}  // namespace
