#include "MainQueue.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>
#include <QThread>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <set>

namespace {

// One synchronous call waiting for the main thread.
struct PendingCall {
  std::function<void()> fn;
  std::mutex mutex;
  std::condition_variable finished;
  bool done = false;
  bool ran = false;
};

// Tracks the calls that wait for the main thread, so that they can be released
// when the application object goes away instead of waiting for ever.
class Gate {
 public:
  static Gate &instance() {
    static Gate gate;
    return gate;
  }

  // Registers a call; false when the main thread takes no more work.
  bool enter(QCoreApplication *app, const std::shared_ptr<PendingCall> &call) {
    std::lock_guard lock(mutex_);
    if (app == nullptr) {
      return false;
    }
    if (watched_ != app) {
      watched_ = app;
      QObject::connect(
          app, &QObject::destroyed, app, [this, app] { release(app); }, Qt::DirectConnection);
    }
    pending_.insert(call);
    return true;
  }

  void leave(const std::shared_ptr<PendingCall> &call) {
    std::lock_guard lock(mutex_);
    pending_.erase(call);
  }

 private:
  void release(QCoreApplication *app) {
    std::set<std::shared_ptr<PendingCall>> calls;
    {
      std::lock_guard lock(mutex_);
      if (watched_ == app) {
        watched_ = nullptr;
      }
      calls.swap(pending_);
    }
    for (const auto &call : calls) {
      std::lock_guard lock(call->mutex);
      call->done = true;
      call->finished.notify_all();
    }
  }

  std::mutex mutex_;
  QCoreApplication *watched_ = nullptr;
  std::set<std::shared_ptr<PendingCall>> pending_;
};

}  // namespace

namespace MainQueue {

bool isMainThread() {
  QCoreApplication *app = QCoreApplication::instance();
  return app != nullptr && QThread::currentThread() == app->thread();
}

bool async(std::function<void()> fn) {
  QCoreApplication *app = QCoreApplication::instance();
  if (app == nullptr || !fn) {
    return false;
  }
  return QMetaObject::invokeMethod(app, std::move(fn), Qt::QueuedConnection);
}

bool sync(std::function<void()> fn) {
  if (!fn) {
    return false;
  }
  if (isMainThread()) {
    fn();
    return true;
  }
  QCoreApplication *app = QCoreApplication::instance();
  auto call = std::make_shared<PendingCall>();
  call->fn = std::move(fn);
  if (!Gate::instance().enter(app, call)) {
    return false;
  }
  const bool queued = QMetaObject::invokeMethod(
      app,
      [call] {
        {
          std::lock_guard lock(call->mutex);
          if (call->done) {
            return;  // released already; the caller has moved on
          }
        }
        call->fn();
        std::lock_guard lock(call->mutex);
        call->ran = true;
        call->done = true;
        call->finished.notify_all();
      },
      Qt::QueuedConnection);
  if (queued) {
    std::unique_lock lock(call->mutex);
    call->finished.wait(lock, [&] { return call->done; });
  }
  Gate::instance().leave(call);
  std::lock_guard lock(call->mutex);
  return call->ran;
}

}  // namespace MainQueue
