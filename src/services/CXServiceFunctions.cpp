#include "CXServiceFunctions.h"

#include <QCoreApplication>
#include <QVariant>
#include <chrono>

#include "platform/Defaults.h"
#include "platform/MainQueue.h"
#include "platform/SystemStyle.h"
#include "services/AppearanceDecision.h"

namespace {

constexpr std::chrono::milliseconds kPeriod{10};

// True on the watcher's own thread, whose resolutions may call start and stop.
thread_local bool onWatcherThread = false;

// The scheme the stored preference fixes; absent while it follows the system.
std::optional<ColorScheme> storedScheme() {
  return AppearanceDecision::preferredScheme(
      Defaults::standard().integerForKey(AppearanceNames::kAppearanceTypeKey));
}

// The system style is asked only where the preference follows it.
ColorScheme schemeFor(std::optional<ColorScheme> preferred) {
  if (preferred) {
    return *preferred;
  }
  const std::optional<QString> style = SystemStyle::interfaceStyle();
  return AppearanceDecision::appearanceForSystemStyle(style ? QVariant(*style) : QVariant());
}

}  // namespace

CXServiceFunctions &CXServiceFunctions::sharedService() {
  // Destroyed at exit, which stops and joins the watcher if nothing did before.
  static CXServiceFunctions instance;
  return instance;
}

CXServiceFunctions::CXServiceFunctions() {
  // Built before this object, so that everything the watcher touches outlives it.
  Defaults::standard();
}

CXServiceFunctions::~CXServiceFunctions() { stopScanAndWait(); }

std::uint64_t CXServiceFunctions::appAppearance() {
  CXServiceFunctions &service = sharedService();
  const std::optional<ColorScheme> preferred = storedScheme();
  service.keepWatcherInStep(!preferred);
  return Appearance::appearanceFor(schemeFor(preferred));
}

ColorScheme CXServiceFunctions::colorScheme() { return schemeFor(storedScheme()); }

void CXServiceFunctions::keepWatcherInStep(bool followsSystem) {
  if (followsSystem == isScanStarted()) {
    return;
  }
  if (followsSystem) {
    startScanSystemAppearance();
  } else {
    stopScanSystemAppearance();
  }
}

void CXServiceFunctions::startScanSystemAppearance() {
  isScanStarted_ = true;
  if (onWatcherThread) {
    return;  // the loop asking is the one loop; it goes on while the flag is set
  }
  std::lock_guard control(control_);
  isScanStarted_ = true;  // again: a stopScanAndWait that held control_ cleared it
  followApplication(QCoreApplication::instance());
  std::unique_lock lock(mutex_);
  if (loopAlive_ && !thread_.get_stop_token().stop_requested()) {
    return;  // it has not passed its last check yet and will see the flag
  }
  if (thread_.joinable()) {
    if (loopAlive_ && inPost_ && MainQueue::isMainThread()) {
      return;  // the stopped loop waits for this very thread; it cannot be joined here
    }
    // The old loop has ended or is ending without doing any more work.
    lock.unlock();
    thread_.join();
    lock.lock();
  }
  loopAlive_ = true;
  ++runningLoops_;
  thread_ = std::jthread([this](std::stop_token stop) { watch(stop); });
}

void CXServiceFunctions::stopScanSystemAppearance() {
  isScanStarted_ = false;
  sleep_.wake();  // a loop about to sleep sees the flag or gets the wake
}

void CXServiceFunctions::stopScanAndWait() {
  isScanStarted_ = false;
  if (onWatcherThread) {
    return;  // a thread cannot wait for itself; the loop ends at its next check
  }
  std::lock_guard control(control_);
  std::unique_lock lock(mutex_);
  if (!thread_.joinable()) {
    return;
  }
  // Wakes the loop from its sleep and abandons a post that the main thread has
  // not started, so the loop never waits for a main thread that waits here.
  thread_.request_stop();
  if (inPost_ && MainQueue::isMainThread()) {
    return;  // called by an observer of the loop's own post: joined by the next start or stop
  }
  lock.unlock();
  thread_.join();
  isScanStarted_ = false;  // a last resolution of the loop may have set it again
}

bool CXServiceFunctions::isScanStarted() const { return isScanStarted_.load(); }

void CXServiceFunctions::setIsScanStarted(bool started) { isScanStarted_ = started; }

std::uint64_t CXServiceFunctions::lastChoosenAppearance() const {
  return lastChoosenAppearance_.load();
}

void CXServiceFunctions::setLastChoosenAppearance(std::uint64_t appearance) {
  lastChoosenAppearance_ = appearance;
}

int CXServiceFunctions::runningLoops() const { return runningLoops_.load(); }

void CXServiceFunctions::followApplication(QCoreApplication *app) {
  if (app == nullptr || followedApp_ == app) {
    return;
  }
  followedApp_ = app;
  // The loop must not outlive the event loop it posts to: stop it when the
  // application is about to quit, and again when the application object goes
  // (programs and tests that never run exec() do not emit aboutToQuit).
  QObject::connect(app, &QCoreApplication::aboutToQuit, app, [this] { stopScanAndWait(); });
  QObject::connect(
      app, &QObject::destroyed, app,
      [this] {
        stopScanAndWait();
        std::lock_guard control(control_);
        followedApp_ = nullptr;
      },
      Qt::DirectConnection);
}

bool CXServiceFunctions::sleepOnePeriod(const std::stop_token &stop) {
  // The ticket comes before the checks: a stop after them cuts the sleep short.
  const WakeableSleep::Ticket ticket = sleep_.ticket();
  if (!stop.stop_requested() && isScanStarted_.load()) {
    sleep_.sleepFor(kPeriod, ticket);
  }
  return !stop.stop_requested();
}

void CXServiceFunctions::watch(std::stop_token stop) {
  onWatcherThread = true;
  // Registered once rather than per period: the sleep itself is what the idle
  // process pays for.
  std::stop_callback wakeOnStop(stop, [this] { sleep_.wake(); });
  for (;;) {
    {
      // Deciding to end and clearing loopAlive_ happen under the lock that
      // start takes, so a start either sees the loop alive (and the loop then
      // sees the flag) or sees it gone (and begins a new one).
      std::lock_guard lock(mutex_);
      if (!isScanStarted_ || stop.stop_requested()) {
        loopAlive_ = false;
        --runningLoops_;
        return;
      }
    }
    if (!sleepOnePeriod(stop) || !isScanStarted_) {
      continue;  // ends at the check above
    }
    const std::uint64_t decision = appAppearance();
    if (decision == lastChoosenAppearance_.load()) {
      continue;
    }
    const bool posted = MainQueue::sync(
        [this] {
          inPost_ = true;
          emit changes_.systemAppearanceDidChange();
          inPost_ = false;
        },
        stop);
    if (posted) {
      // Recorded only now: observers that compare during the post still see
      // the previous decision.
      lastChoosenAppearance_ = decision;
    } else if (!stop.stop_requested()) {
      // No application object takes work any more: nobody is left to tell.
      // Clearing the flag lets a later resolution start a fresh loop.
      isScanStarted_ = false;
    }
  }
}
