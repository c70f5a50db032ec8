#include "MainQueue.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QMetaObject>
#include <QObject>
#include <QSocketNotifier>
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
 public:
  // wakeFd: an eventfd that other threads write to wake the main thread, or
  // -1 to be woken by posted calls of runOne() instead.
  explicit Drain(int wakeFd) : wakeFd_(wakeFd) {
    if (wakeFd_ < 0) return;
    auto *notifier = new QSocketNotifier(wakeFd_, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &Drain::woken);
  }

 public slots:
  void runOne();

 private:
  // Runs as many items as wake-ups were counted.
  void woken();

  int wakeFd_;
};

// The main thread's work queue, and the synchronous calls waiting for it, so
// that they can be released when the application object goes away instead of
// waiting for ever.
//
// The work itself travels through this object's mutex, not inside Qt's posted
// events, and the wake-up through an eventfd that the main thread's event loop
// watches: a thread that queues work never touches Qt's posted-event list,
// whose locks ThreadSanitizer cannot see (it reported Qt's own list, grown by
// one thread while the main thread compacted it, as a race). Only where no
// eventfd can be made does Qt carry a bare "run one" wake-up.
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
    QObject *drain = nullptr;
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
      if (!fdWakes_ || ::eventfd_write(wakeFd_, 1) != 0)
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
    if (QThread::currentThread() != app->thread()) {
      // A socket notifier belongs to the thread that makes it; this one is
      // not the main thread, so wake-ups go as posted calls.
      fdWakes_ = false;
      drain_ = new Drain(-1);
      drain_->moveToThread(app->thread());
    } else {
      if (wakeFd_ < 0) wakeFd_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
      fdWakes_ = wakeFd_ >= 0;
      drain_ = new Drain(wakeFd_);
    }
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
  int wakeFd_ = -1;  // kept open for the process's life
  bool fdWakes_ = false;
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

void Drain::woken() {
  eventfd_t count = 0;
  if (::eventfd_read(wakeFd_, &count) != 0) return;  // none pending (EAGAIN)
  for (; count > 0; --count) runOne();
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
