// Measures what the system-appearance watcher costs a process that does
// nothing else, beside its floor measured in the same run: a thread that only
// sleeps 10 ms at a time, which is all that the watcher's design asks for.
//
//   watcher_idle [seconds] [exporter database]
//
// In process: CPU time (user + system, from getrusage) over a stretch of
// wall-clock time, less that of a bare sleeping thread running beside it (from
// its thread clock), first without the watcher, then with it. Given the exporter program and a
// reader database, it also starts the export window (offscreen) and a bare sleeping process, lets
// both settle, and compares their CPU time (from the kernel's per-thread run time) over the same
// stretch.
//
// Runs against a private settings folder holding one stored value, as the
// program's own is after its first start, so the stored preference follows
// the system and the watcher keeps polling the whole time.
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "Spawn.h"
#include "platform/Defaults.h"
#include "services/CXServiceFunctions.h"

extern char **environ;

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
  double percent() const { return 100.0 * cpu / wall; }
  double perPeriodUs() const { return 1e6 * cpu / (wall / 0.010); }
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

// The floor: a thread that does nothing but sleep 10 ms at a time, its own CPU
// time read from its thread clock.
class BareSleeper {
 public:
  BareSleeper()
      : thread_([this] {
          while (running_) usleep(10000);
        }) {
    pthread_getcpuclockid(thread_.native_handle(), &clock_);
  }
  ~BareSleeper() {
    running_ = false;
    thread_.join();
  }
  double cpuSeconds() const {
    timespec t{};
    clock_gettime(clock_, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
  }

 private:
  std::atomic<bool> running_{true};
  std::thread thread_;
  clockid_t clock_{};
};

// The process and the bare sleeper in it over the same stretch: what the
// process used besides the sleeper, and the sleeper's own use.
std::pair<Sample, Sample> besideBareSleeper(QCoreApplication &app, int milliseconds) {
  BareSleeper sleeper;
  const double before = sleeper.cpuSeconds();
  const Sample process = idleFor(app, milliseconds);
  const double floor = sleeper.cpuSeconds() - before;
  return {{process.cpu - floor, process.wall}, {floor, process.wall}};
}

// CPU time of every thread of a child so far, from the kernel's run time.
double childCpuSeconds(pid_t pid) {
  double total = 0;
  const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
  for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    std::ifstream stat(tasks.filePath(task + QStringLiteral("/schedstat")).toStdString());
    double ns = 0;
    if (stat >> ns) total += ns / 1e9;
  }
  return total;
}

pid_t spawn(const std::vector<std::string> &args) { return bench::spawnQuiet(args); }

// Two children side by side, settled for three seconds, then measured over the
// same stretch.
std::pair<Sample, Sample> childrenIdle(const std::vector<std::string> &a,
                                       const std::vector<std::string> &b, int milliseconds) {
  const pid_t first = spawn(a), second = spawn(b);
  if (first < 0 || second < 0) {
    std::fprintf(stderr, "Could not start %s or %s.\n", a[0].c_str(), b[0].c_str());
    std::exit(1);
  }
  std::this_thread::sleep_for(std::chrono::seconds(3));
  QElapsedTimer wall;
  const double a0 = childCpuSeconds(first), b0 = childCpuSeconds(second);
  wall.start();
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
  const double a1 = childCpuSeconds(first), b1 = childCpuSeconds(second);
  const double seconds = double(wall.nsecsElapsed()) / 1e9;
  for (pid_t pid : {first, second}) {
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
  }
  return {{a1 - a0, seconds}, {b1 - b0, seconds}};
}

void print(const char *what, const Sample &s) {
  std::printf("  %-36s %7.3f s CPU over %5.1f s = %6.3f%% of a core, %5.1f us per 10 ms\n", what,
              s.cpu, s.wall, s.percent(), s.perPeriodUs());
}

}  // namespace

int main(int argc, char **argv) {
  if (argc == 2 && std::strcmp(argv[1], "--bare-sleeper") == 0) {
    for (;;) usleep(10000);  // the floor as a process of its own
  }
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 30;
  if (seconds <= 0 || argc == 3 || argc > 4) {
    std::fprintf(stderr, "usage: watcher_idle [seconds] [exporter database]\n");
    return 2;
  }
  QTemporaryDir settings;
  if (!settings.isValid()) {
    std::fprintf(stderr, "Could not create a temporary settings folder: %s\n",
                 qPrintable(settings.errorString()));
    return 1;
  }
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(settings.path()));

  QCoreApplication app(argc, argv);
  int posts = 0;
  QObject::connect(&CXServiceFunctions::sharedService().changes(),
                   &AppearanceChanges::systemAppearanceDidChange, [&posts] { ++posts; });
  Defaults::standard().setBool(QStringLiteral("kCXBenchmarkRan"), true);

  const int ms = seconds * 1000;
  std::printf("In this process, %d s each, beside a bare sleeping thread:\n", seconds);
  const auto [idle, floorIdle] = besideBareSleeper(app, ms);

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
  QTimer::singleShot(ms - 1, &app, [&] { stillRunning = service.runningLoops() == 1; });
  const auto [watched, floor] = besideBareSleeper(app, ms);
  service.stopScanAndWait();

  print("without the watcher", idle);
  print("bare 10 ms sleeper beside it (floor)", floorIdle);
  print("with the watcher", watched);
  print("bare 10 ms sleeper beside it (floor)", floor);
  std::printf("  watcher / floor: %.2fx\n", watched.cpu / floor.cpu);
  std::printf("  one resolution: %.2f us CPU (mean of %d)\n", 1e6 * perResolve, kCalls);
  std::printf("  notifications posted: %d (one expected: the first period announces the scheme)\n",
              posts);

  if (argc == 4) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_DATA_HOME", QFile::encodeName(settings.path()));
    const auto [window, bare] =
        childrenIdle({argv[2], "--database", argv[3]}, {argv[0], "--bare-sleeper"}, ms);
    std::printf("\nProcesses side by side, after 3 s to settle, %d s:\n", seconds);
    print("export window, idle", window);
    print("bare 10 ms sleeper process (floor)", bare);
    std::printf("  window / floor: %.2fx\n", window.cpu / bare.cpu);
  }
  if (!stillRunning) {
    std::fprintf(stderr, "The watcher was not running at the end of the measurement.\n");
    return 1;
  }
  return 0;
}
