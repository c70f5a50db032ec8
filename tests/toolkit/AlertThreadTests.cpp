// The shared alert asked for from other threads: every completion runs once,
// on the main thread.
#include <gtest/gtest.h>

#include <QList>
#include <atomic>
#include <thread>
#include <vector>

#include "TestSupport.h"
#include "platform/MainQueue.h"
#include "toolkit/CXAlert.h"

namespace {

TEST(AlertThreadTest, CompletionsOfAlertsAskedForOnWorkersRunOnTheMainThread) {
  CXAlert::setAnswerForTesting(2);
  QList<int> answers;  // touched on the main thread only
  std::atomic<int> offMain{0};
  std::vector<std::thread> workers;
  for (int i = 0; i < 4; ++i)
    workers.emplace_back([&] {
      for (int j = 0; j < 25; ++j)
        CXAlert::showAlertWithTitleInformTextButtonTitlesCompletionHandler(
            "Title", "Inform", {"Continue", "Cancel"}, [&](int n) {
              if (!MainQueue::isMainThread()) ++offMain;
              answers.append(n);
            });
    });
  for (std::thread &t : workers) t.join();
  ASSERT_TRUE(testsupport::waitUntil([&] { return answers.size() == 100; }));
  testsupport::pump(std::chrono::milliseconds(20));
  EXPECT_EQ(answers.size(), 100) << "each completion exactly once";
  EXPECT_EQ(answers.count(2), 100);
  EXPECT_EQ(offMain.load(), 0);
  CXAlert::setAnswerForTesting(std::nullopt);
}

}  // namespace
