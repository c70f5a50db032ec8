#include "MainQueue.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QObject>
#include <QThread>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
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

// One piece of work for the main thread: an asynchronous function, or a
// synchronous call whose caller waits.
struct Work {
  std::function<void()> fn;
  std::shared_ptr<PendingCall> call;
};

// Runs queued work on the main thread, one item per wake-up, in queue order.
class Drain : public QObject {
  Q_OBJECT
 public slots:
  void runOne();
};

// The main thread's work queue, and the synchronous calls waiting for it, so
// that they can be released when the application object goes away instead of
// waiting for ever.
//
// The work itself travels through this object's mutex, not inside Qt's posted
// events: Qt's locks are futexes inside Qt Core, which ThreadSanitizer cannot
// see, so a function handed over inside an event (QMetaObject::invokeMethod
// with a functor) is reported as a race between the thread that made it and
// the main thread that calls it. Qt carries only a bare "run one" wake-up,
// made, posted and read inside Qt Core alone.
class Gate {
 public:
  static Gate &instance() {
    // Never destroyed: background threads may still pass through while static
    // objects are torn down at exit.
    static Gate *const gate = new Gate;
    return *gate;
  }

  // Called on the main thread while the application object is being
  // constructed, before any other code can queue work.
  void watch(QCoreApplication *app) {
    std::lock_guard lock(mutex_);
    watchLocked(app);
  }

  // Queues work for the main thread; false when it takes no more work.
  bool enqueue(Work work) {
    Drain *drain = nullptr;
    {
      std::lock_guard lock(mutex_);
      QCoreApplication *app = QCoreApplication::instance();
      if (app == nullptr || QCoreApplication::closingDown()) {
        return false;
      }
      watchLocked(app);
      if (work.call) {
        pending_.insert(work.call);
      }
      queue_.push_back(std::move(work));
      drain = drain_;
      // Asked while still holding the lock, so that the drain object cannot
      // be deleted in between by the application's end.
      QMetaObject::invokeMethod(drain, "runOne", Qt::QueuedConnection);
    }
    return true;
  }

  // Takes the oldest queued work; empty when there is none.
  std::optional<Work> take() {
    std::lock_guard lock(mutex_);
    if (queue_.empty()) {
      return std::nullopt;
    }
    Work work = std::move(queue_.front());
    queue_.pop_front();
    return work;
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
    drain_ = new Drain;
    if (QThread::currentThread() != app->thread()) drain_->moveToThread(app->thread());
    QObject::connect(
        app, &QObject::destroyed, app, [this, app] { release(app); }, Qt::DirectConnection);
  }

  // The application object is going: nothing queued will run any more.
  void release(QCoreApplication *app) {
    std::set<std::shared_ptr<PendingCall>> calls;
    std::deque<Work> dropped;
    Drain *drain = nullptr;
    {
      std::lock_guard lock(mutex_);
      if (watched_ != app) {
        return;
      }
      watched_ = nullptr;
      drain = drain_;
      drain_ = nullptr;
      calls.swap(pending_);
      dropped.swap(queue_);
    }
    delete drain;
    for (const auto &call : calls) {
      abandon(*call);
    }
    // Asynchronous work is dropped here, on the main thread, as Qt drops
    // events posted to an object that goes away.
    dropped.clear();
  }

  std::mutex mutex_;
  QCoreApplication *watched_ = nullptr;
  Drain *drain_ = nullptr;
  std::deque<Work> queue_;
  std::set<std::shared_ptr<PendingCall>> pending_;
};

void Drain::runOne() {
  std::optional<Work> work = Gate::instance().take();
  if (!work) {
    return;
  }
  if (!work->call) {
    work->fn();
    return;
  }
  PendingCall &call = *work->call;
  {
    std::lock_guard lock(call.mutex);
    if (call.done) {
      return;  // abandoned already; the caller has moved on
    }
    call.started = true;
  }
  call.fn();
  std::lock_guard lock(call.mutex);
  call.ran = true;
  call.done = true;
  call.finished.notify_all();
}

void watchApplication() { Gate::instance().watch(QCoreApplication::instance()); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(watchApplication)

namespace MainQueue {

bool isMainThread() {
  QCoreApplication *app = QCoreApplication::instance();
  return app != nullptr && QThread::currentThread() == app->thread();
}

bool async(std::function<void()> fn) {
  if (!fn) {
    return false;
  }
  return Gate::instance().enqueue(Work{std::move(fn), nullptr});
}

bool sync(std::function<void()> fn, std::stop_token stop) {
  if (!fn || stop.stop_requested()) {
    return false;
  }
  if (isMainThread()) {
    fn();
    return true;
  }
  auto call = std::make_shared<PendingCall>();
  call->fn = std::move(fn);
  if (!Gate::instance().enqueue(Work{{}, call})) {
    return false;
  }
  {
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

#include "MainQueue.moc"
