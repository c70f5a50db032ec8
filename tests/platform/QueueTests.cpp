#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>
#include <atomic>
#include <thread>
#include <vector>

#include "TestSupport.h"
#include "platform/MainQueue.h"
#include "platform/SerialQueue.h"

using testsupport::waitUntil;

TEST(SerialQueue, RunsTasksOneAtATimeInSubmissionOrderOffTheCallingThread) {
  std::vector<int> order;
  std::atomic<int> running{0};
  std::atomic<bool> overlapped{false};
  std::atomic<bool> onCaller{false};
  const auto caller = std::this_thread::get_id();
  {
    SerialQueue queue("com.example.test");
    EXPECT_EQ(queue.label(), "com.example.test");
    for (int i = 0; i < 200; ++i) {
      queue.async([&, i] {
        if (running.fetch_add(1) != 0) overlapped = true;
        if (std::this_thread::get_id() == caller) onCaller = true;
        EXPECT_TRUE(queue.isCurrent());
        order.push_back(i);
        running.fetch_sub(1);
      });
    }
    EXPECT_FALSE(queue.isCurrent());
  }  // the destructor drains the queue
  ASSERT_EQ(order.size(), 200u);
  for (int i = 0; i < 200; ++i) EXPECT_EQ(order[i], i);
  EXPECT_FALSE(overlapped);
  EXPECT_FALSE(onCaller);
}

TEST(MainQueue, AsyncFromAnotherThreadRunsLaterOnTheMainThread) {
  std::atomic<bool> ran{false};
  std::atomic<bool> onMain{false};
  std::thread worker([&] {
    EXPECT_FALSE(MainQueue::isMainThread());
    EXPECT_TRUE(MainQueue::async([&] {
      onMain = MainQueue::isMainThread();
      ran = true;
    }));
  });
  worker.join();
  EXPECT_FALSE(ran) << "async must not run before the event loop turns";
  ASSERT_TRUE(waitUntil([&] { return ran.load(); }));
  EXPECT_TRUE(onMain);
}

TEST(MainQueue, AsyncKeepsSubmissionOrder) {
  std::vector<int> seen;
  for (int i = 0; i < 50; ++i) MainQueue::async([&seen, i] { seen.push_back(i); });
  ASSERT_TRUE(waitUntil([&] { return seen.size() == 50; }));
  for (int i = 0; i < 50; ++i) EXPECT_EQ(seen[i], i);
}

TEST(MainQueue, SyncWaitsForTheMainThreadAndRunsInlineThere) {
  bool inline_ran = false;
  EXPECT_TRUE(MainQueue::sync([&] { inline_ran = true; }));
  EXPECT_TRUE(inline_ran);

  std::atomic<bool> returned{false};
  std::atomic<bool> ranOnMain{false};
  std::atomic<bool> ranBeforeReturn{false};
  std::thread worker([&] {
    bool result = MainQueue::sync([&] { ranOnMain = MainQueue::isMainThread(); });
    ranBeforeReturn = ranOnMain.load();
    EXPECT_TRUE(result);
    returned = true;
  });
  QThread::msleep(30);
  EXPECT_FALSE(returned) << "sync returned before the main thread ran the call";
  ASSERT_TRUE(waitUntil([&] { return returned.load(); }));
  worker.join();
  EXPECT_TRUE(ranOnMain);
  EXPECT_TRUE(ranBeforeReturn);
}
