#pragma once

#include <QString>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/WakeableSleep.h"
#include "services/AppearanceChanges.h"
#include "services/AppearanceNames.h"

class QCoreApplication;

// The process-wide service object: the colour-scheme decision with its
// system-appearance watcher, and a few small services.
//
// The watcher is one background thread that, while the system style is
// followed, re-evaluates appAppearance() every 10 ms and, when the decision
// differs from lastChoosenAppearance(), emits
// changes().systemAppearanceDidChange() on the main thread, waits for the
// receivers, and only then records the new decision. At most one watcher loop
// runs at any time, however starts and stops interleave. The watcher stops and
// is joined when the application is about to quit, when the application object
// is destroyed, and at the latest when this object is destroyed at exit.
class CXServiceFunctions {
 public:
  // Created on first use, exactly once.
  static CXServiceFunctions &sharedService();

  // The scheme in force: 1 dark or 2 light, from the stored preference
  // "kCXRSSAppearanceType" or, when that does not fix one, from the system
  // style. Starts the watcher when the system is followed and it is not
  // running; stops it when the preference fixes the scheme.
  // That side effect belongs to the interface the program was designed against.
  static std::uint64_t appAppearance();
  // The same decision as the program's own type, a plain query: it starts and
  // stops nothing.
  static ColorScheme colorScheme();

  // Sets isScanStarted and makes sure one watcher loop runs.
  void startScanSystemAppearance();
  // Clears isScanStarted; the loop ends within one period. Never waits.
  void stopScanSystemAppearance();
  // Stops the watcher and waits until its thread has ended. Safe on the main
  // thread while the watcher waits for it; a later start begins a new loop.
  // From an observer of the watcher's own notification it only stops.
  void stopScanAndWait();

  // Plain accessors; setting the flag starts or stops nothing.
  bool isScanStarted() const;
  void setIsScanStarted(bool started);
  std::uint64_t lastChoosenAppearance() const;
  void setLastChoosenAppearance(std::uint64_t appearance);

  // Number of watcher loops running now: 0 or 1.
  int runningLoops() const;

  // The watcher's signal; connect with a context object on the main thread.
  AppearanceChanges &changes() { return changes_; }

  CXServiceFunctions(const CXServiceFunctions &) = delete;
  CXServiceFunctions &operator=(const CXServiceFunctions &) = delete;

 private:
  CXServiceFunctions();
  ~CXServiceFunctions();

  // Whether the watcher runs, decided here alone: while the system is followed.
  void keepWatcherInStep(bool followsSystem);
  void watch(std::stop_token stop);
  bool sleepOnePeriod(const std::stop_token &stop);
  void followApplication(QCoreApplication *app);

  std::atomic<bool> isScanStarted_{false};
  std::atomic<std::uint64_t> lastChoosenAppearance_{Appearance::kNone};
  std::atomic<int> runningLoops_{0};
  std::atomic<bool> inPost_{false};  // the main thread runs the loop's post now
  AppearanceChanges changes_;

  // Serialises starting and joining loops among threads other than the loop's.
  std::mutex control_;

  // Guards the thread object and loopAlive_; never held while waiting for the
  // main thread.
  mutable std::mutex mutex_;
  WakeableSleep sleep_;  // the period's sleep, cut short by a stop
  std::jthread thread_;
  bool loopAlive_ = false;                   // the thread in thread_ has not yet decided to end
  QCoreApplication *followedApp_ = nullptr;  // guarded by control_
};
