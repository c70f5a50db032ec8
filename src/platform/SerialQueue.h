#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

// A labelled first-in, first-out queue with one worker thread: tasks run one at
// a time, in the order they were submitted. The destructor lets the tasks
// already queued finish and then joins the worker.
class SerialQueue {
 public:
  explicit SerialQueue(std::string label);
  ~SerialQueue();

  SerialQueue(const SerialQueue &) = delete;
  SerialQueue &operator=(const SerialQueue &) = delete;

  // Queues a task and returns at once.
  void async(std::function<void()> task);

  const std::string &label() const { return label_; }

  // True when called from a task running on this queue.
  bool isCurrent() const;

 private:
  void run();

  const std::string label_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::function<void()>> tasks_;
  bool stopping_ = false;
  std::thread worker_;
};
