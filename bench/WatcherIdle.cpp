// Measures what the system-appearance watcher costs a process that does
// nothing else: CPU time (user + system, from getrusage) over a stretch of
// wall-clock time, first with the watcher stopped, then with it running.
//
//   watcher_idle [seconds]     default 30
//
// Runs against a private, empty settings folder, so the stored preference
// follows the system and the watcher keeps polling the whole time.
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "platform/NotificationCenter.h"
#include "services/CXServiceFunctions.h"

namespace {

double cpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Sample {
  double cpu = 0;
  double wall = 0;
};

// Runs the event loop for the given time and reports the CPU it used.
Sample idleFor(QCoreApplication &app, int milliseconds) {
  QElapsedTimer wall;
  const double cpuBefore = cpuSeconds();
  wall.start();
  QTimer::singleShot(milliseconds, &app, [] { QCoreApplication::exit(0); });
  app.exec();
  return {cpuSeconds() - cpuBefore, double(wall.nsecsElapsed()) / 1e9};
}

}  // namespace

int main(int argc, char **argv) {
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 30;
  if (seconds <= 0) {
    std::fprintf(stderr, "usage: watcher_idle [seconds]\n");
    return 2;
  }
  QTemporaryDir settings;
  if (!settings.isValid()) {
    std::fprintf(stderr, "Could not create a temporary settings folder: %s\n",
                 qPrintable(settings.errorString()));
    return 1;
  }
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));

  QCoreApplication app(argc, argv);
  int posts = 0;
  NotificationCenter::defaultCenter().addObserver(
      AppearanceNames::kSystemAppearanceDidChangeNotification, [&posts] { ++posts; });

  const int baselineMs = std::min(seconds, 5) * 1000;
  const Sample baseline = idleFor(app, baselineMs);

  // What one period's resolution costs, measured apart from the sleeping.
  CXServiceFunctions::appAppearance();  // follows the system: starts the watcher
  auto &service = CXServiceFunctions::sharedService();
  constexpr int kCalls = 20000;
  const double resolveBefore = cpuSeconds();
  for (int i = 0; i < kCalls; ++i) {
    CXServiceFunctions::appAppearance();
  }
  const double perResolve = (cpuSeconds() - resolveBefore) / kCalls;

  bool stillRunning = false;
  QTimer::singleShot(seconds * 1000 - 1, &app, [&] { stillRunning = service.runningLoops() == 1; });
  const Sample watched = idleFor(app, seconds * 1000);
  service.stopScanAndWait();

  const double periods = watched.wall / 0.010;
  std::printf("idle without watcher: %.3f s CPU over %.1f s = %.3f%% of one core\n", baseline.cpu,
              baseline.wall, 100.0 * baseline.cpu / baseline.wall);
  std::printf("idle with watcher:    %.3f s CPU over %.1f s = %.3f%% of one core\n", watched.cpu,
              watched.wall, 100.0 * watched.cpu / watched.wall);
  std::printf("per 10 ms period:     %.1f us CPU (about %.0f periods)\n",
              1e6 * watched.cpu / periods, periods);
  std::printf("one resolution:       %.1f us CPU (mean of %d)\n", 1e6 * perResolve, kCalls);
  std::printf("notifications posted: %d (one expected: the first period announces the scheme)\n",
              posts);
  if (!stillRunning) {
    std::fprintf(stderr, "The watcher was not running at the end of the measurement.\n");
    return 1;
  }
  return 0;
}
