#include "MainQueue.h"

#include <QCoreApplication>
#include <QMetaObject>
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
  bool started = false;  // the main thread has begun running fn
  bool done = false;     // the caller may return
  bool ran = false;      // fn ran to its end
};

// Ends a call that has not started; a started one is left to finish, since fn
// may use what the waiting caller owns.
void abandon(PendingCall &call) {
  std::lock_guard lock(call.mutex);
  if (!call.started && !call.done) {
    call.done = true;
    call.finished.notify_all();
  }
}

// Tracks the calls that wait for the main thread, so that they can be released
// when the application object goes away instead of waiting for ever.
class Gate {
 public:
  static Gate &instance() {
    // Never destroyed: background threads may still pass through while static
    // objects are torn down at exit.
    static Gate *const gate = new Gate;
    return *gate;
  }

  // Watches the application object for its end. Called on the main thread
  // while the application object is being constructed, and again by enter()
  // in case that hook did not run.
  void watch(QCoreApplication *app) {
    std::lock_guard lock(mutex_);
    watchLocked(app);
  }

  // Registers a call; false when the main thread takes no more work.
  bool enter(QCoreApplication *app, const std::shared_ptr<PendingCall> &call) {
    std::lock_guard lock(mutex_);
    if (app == nullptr || QCoreApplication::closingDown()) {
      return false;
    }
    watchLocked(app);
    pending_.insert(call);
    return true;
  }

  void leave(const std::shared_ptr<PendingCall> &call) {
    std::lock_guard lock(mutex_);
    pending_.erase(call);
  }

 private:
  void watchLocked(QCoreApplication *app) {
    if (app == nullptr || watched_ == app) {
      return;
    }
    watched_ = app;
    QObject::connect(
        app, &QObject::destroyed, app, [this, app] { release(app); }, Qt::DirectConnection);
  }

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
      abandon(*call);
    }
  }

  std::mutex mutex_;
  QCoreApplication *watched_ = nullptr;
  std::set<std::shared_ptr<PendingCall>> pending_;
};

// Connects to the application object's end before any other code can queue a
// call, so that the watch is never set up on an object already being destroyed.
void watchApplication() { Gate::instance().watch(QCoreApplication::instance()); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(watchApplication)

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

bool sync(std::function<void()> fn, std::stop_token stop) {
  if (!fn || stop.stop_requested()) {
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
            return;  // abandoned already; the caller has moved on
          }
          call->started = true;
        }
        call->fn();
        std::lock_guard lock(call->mutex);
        call->ran = true;
        call->done = true;
        call->finished.notify_all();
      },
      Qt::QueuedConnection);
  if (queued) {
    // Runs at once when the stop was requested meanwhile.
    std::stop_callback onStop(stop, [&call] { abandon(*call); });
    std::unique_lock lock(call->mutex);
    call->finished.wait(lock, [&] { return call->done; });
  }
  Gate::instance().leave(call);
  std::lock_guard lock(call->mutex);
  return call->ran;
}

}  // namespace MainQueue
