// export_window_bench [FEEDS]
//
// Prints how long the export window takes with a large reader database
// (100,000 feeds unless told otherwise), measured on the real window,
// offscreen. First, in the same run and pair by pair, against the command
// line's whole export of the same database (orvella-exporter --export FILE):
//   start to all ticked: from spawning a process that opens the window to
//               the table filled, every feed ticked and the event loop idle
//   peak memory of that process (VmHWM)
//   export text of every feed against the command line's document build
//               (the read and the OPML document in memory, as --export - does)
// (printed last), and before that, inside this process:
//   read+fill   from showing the window to every feed ticked (SQLite read incl.)
//   store read  the feed store's read alone, into the rows the window keeps,
//               and into FeedRecords through the store's designed interface
//   fill        from the feeds' arrival to a filled, painted table, all ticked
//   select all / deselect all, as the buttons do them, with a repaint
//   export text building the OPML document of every feed
//   export      the whole export through a save panel into a file
//   peak memory of the process (VmHWM)
// Each step runs a few times; the best and the median are printed. Figures
// only: nothing here passes or fails.
#include <FeedsSchema.h>
#include <fcntl.h>
#include <spawn.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "../Spawn.h"
#include "export/CXExportListVC.h"
#include "export/OpmlWriter.h"
#include "platform/Defaults.h"
#include "services/AppearanceNames.h"
#include "store/CXExportStorage.h"
#include "store/FeedDatabase.h"
#include "toolkit/CXTableViewWithEmptyHolder.h"
#include "window/CXExportDocumentWC.h"

extern char **environ;

namespace {

class AnswerPanel : public SavePanel {
 public:
  explicit AnswerPanel(QString path) : path_(std::move(path)) {}
  std::optional<QString> runModal(QWidget *) override { return path_; }

 private:
  QString path_;
};

bool writeDatabase(const std::string &path, int feeds) {
  sqlite3 *db = nullptr;
  if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) return false;
  sqlite3_exec(db, "BEGIN;", nullptr, nullptr, nullptr);
  sqlite3_exec(db, kFeedsSchema, nullptr, nullptr, nullptr);
  sqlite3_stmt *insert = nullptr;
  sqlite3_prepare_v2(db,
                     "INSERT INTO FEEDS (FEED_URL, FEED_TITLE, CHANNEL_TYPE, INTERNAL_LINK) "
                     "VALUES (?, ?, 1, ?)",
                     -1, &insert, nullptr);
  for (int i = 0; i < feeds; ++i) {
    const std::string n = std::to_string(i);
    const std::string site = "https://site-" + n + ".example.com/";
    const std::string title = "Feed number " + n + " & friends: news, notes and <links>";
    const std::string link = site + "feeds/all.atom.xml";
    sqlite3_bind_text(insert, 1, site.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(insert, 2, title.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(insert, 3, link.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_step(insert);
    sqlite3_reset(insert);
  }
  sqlite3_finalize(insert);
  const bool ok = sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr) == SQLITE_OK;
  sqlite3_close(db);
  return ok;
}

double msSince(const QElapsedTimer &t) { return t.nsecsElapsed() / 1e6; }

struct Figures {
  std::vector<double> ms;
  void print(const char *what) const {
    std::vector<double> sorted = ms;
    std::sort(sorted.begin(), sorted.end());
    std::printf("  %-34s best %8.1f ms   median %8.1f ms   (%zu runs)\n", what, sorted.front(),
                sorted[sorted.size() / 2], sorted.size());
  }
};

Figures measure(int runs, const std::function<void()> &prepare, const std::function<void()> &step) {
  Figures f;
  for (int i = 0; i < runs; ++i) {
    if (prepare) prepare();
    QElapsedTimer t;
    t.start();
    step();
    f.ms.push_back(msSince(t));
  }
  return f;
}

long peakKiB() {
  // VmHWM: the resident set's high-water mark.
  FILE *status = std::fopen("/proc/self/status", "r");
  long kib = -1;
  if (status) {
    char line[256];
    while (std::fgets(line, sizeof line, status))
      if (std::sscanf(line, "VmHWM: %ld kB", &kib) == 1) break;
    std::fclose(status);
  }
  if (kib < 0) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    kib = usage.ru_maxrss;
  }
  return kib;
}

std::int64_t monotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return std::int64_t(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// Shows the export window and waits until its list has loaded.
CXExportListVC *showLoaded(CXExportDocumentWC &document) {
  document.showWindow();
  CXExportListVC *list = document.exportListVC();
  while (list->loadState() != CXExportListVC::LoadState::Loaded)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  return list;
}

// The child of the start-up measurement: opens the window on the database as
// the program does, and once the table is filled, every feed ticked, painted
// and the event loop has nothing left to do, prints the milliseconds since the
// parent spawned it and its peak memory.
int startupChild(int argc, char **argv) {
  const std::string database = argv[2];
  const std::int64_t spawnedNs = std::stoll(argv[3]);
  QApplication app(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("Corvanex"));
  QCoreApplication::setApplicationName(QStringLiteral("OrvellaExporter"));
  CXExportStorage storage;
  storage.setDatabasePathOverride(database);
  CXExportDocumentWC document(&storage);
  CXExportListVC *list = showLoaded(document);
  QCoreApplication::processEvents();  // paint what the filled table shows
  // A zero timer runs once the event loop has handled everything queued.
  QTimer::singleShot(0, &app, [&] {
    const double ms = (monotonicNs() - spawnedNs) / 1e6;
    const int ticked = int(list->selectedFeeds().size());
    std::printf("%.3f %ld %d %d\n", ms, peakKiB(), list->feedsCount(), ticked);
    std::fflush(stdout);
    QCoreApplication::exit(0);
  });
  return app.exec();
}

struct Run {
  double ms = 0;
  long peakKiB = 0;
  bool ok = false;
  std::string out;
};

// Spawns a program with its output captured (or sent to /dev/null) and waits.
Run runProcess(const std::vector<std::string> &args, bool capture) {
  Run run;
  int out = -1;
  const std::int64_t start = monotonicNs();
  const pid_t pid = bench::spawnQuiet(args, capture ? &out : nullptr);
  const bool started = pid > 0;
  if (out >= 0) {
    char buffer[256];
    ssize_t n;
    while ((n = read(out, buffer, sizeof buffer)) > 0) run.out.append(buffer, n);
    close(out);
  }
  int status = 0;
  rusage usage{};
  if (started && wait4(pid, &status, 0, &usage) == pid) {
    run.ms = (monotonicNs() - start) / 1e6;
    run.peakKiB = usage.ru_maxrss;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
  return run;
}

// Start-up of the window against the command line's whole export, pair by
// pair, and the window's export text against the command line's document.
void compareWithCommandLine(const char *self, const std::string &database, const QString &folder,
                            int feeds) {
  const std::string exporter = ORVELLA_EXPORTER;
  const std::string target = QDir(folder).filePath("cli.opml").toStdString();
  constexpr int kPairs = 7;
  std::vector<double> window, cli, ratios;
  long windowPeak = 0;
  for (int i = 0; i <= kPairs; ++i) {  // the first pair warms up
    const std::string spawned = std::to_string(monotonicNs());
    const Run w = runProcess({self, "--startup", database, spawned}, true);
    const Run c = runProcess({exporter, "--database", database, "--export", target}, false);
    double ms = 0;
    long peak = 0;
    int count = 0, ticked = 0;
    if (!w.ok || std::sscanf(w.out.c_str(), "%lf %ld %d %d", &ms, &peak, &count, &ticked) != 4 ||
        !c.ok || count != feeds || ticked != feeds) {
      std::fprintf(stderr, "A start-up run failed (window: \"%s\", command line ok: %d).\n",
                   w.out.c_str(), c.ok);
      std::exit(1);
    }
    if (i == 0) continue;
    window.push_back(ms);
    cli.push_back(c.ms);
    ratios.push_back(ms / c.ms);
    windowPeak = std::max(windowPeak, peak);
  }
  std::printf("  %-34s %8.1f ms median (best %.1f)\n", "window: start to all ticked, idle",
              median(window), *std::min_element(window.begin(), window.end()));
  std::printf("  %-34s %8.1f ms median (best %.1f)\n", "command line: whole export to a file",
              median(cli), *std::min_element(cli.begin(), cli.end()));
  std::printf("  %-34s %8.2fx median of %d pairs (target: at most 1.5x)\n", "window / command line",
              median(ratios), kPairs);
  // The child's own high-water mark: what wait4 reports for a spawned child
  // also counts this process's memory from before the child's exec.
  std::printf("  %-34s %8.1f MiB (target: under 64 MiB)\n", "window peak memory",
              windowPeak / 1024.0);

  // The export text from the window's rows, against the command line's
  // document: its read and build into memory.
  CXExportStorage storage;
  storage.setDatabasePathOverride(database);
  CXExportDocumentWC document(&storage);
  CXExportListVC *list = showLoaded(document);
  std::vector<double> text, build, textRatios;
  QByteArray a, b;
  for (int i = 0; i <= kPairs; ++i) {
    a = QByteArray();
    b = QByteArray();
    QElapsedTimer t;
    t.start();
    a = list->strExportFeedsUtf8();
    const double textMs = msSince(t);
    t.restart();
    OpmlBuilder builder;
    forEachFeedRowAt(database, [&builder](const FeedRow &row) {
      builder.addOutline(row);
      return true;
    });
    b = std::move(builder).finish();
    const double buildMs = msSince(t);
    if (i == 0) continue;
    text.push_back(textMs);
    build.push_back(buildMs);
    textRatios.push_back(textMs / buildMs);
  }
  if (a != b) std::fprintf(stderr, "The two documents differ.\n");
  std::printf("  %-34s %8.1f ms median\n", "window: export text, all ticked", median(text));
  std::printf("  %-34s %8.1f ms median\n", "command line: read + document", median(build));
  std::printf("  %-34s %8.2fx median of %d pairs (target: at most 1.5x)\n",
              "export text / command line build", median(textRatios), kPairs);
}
}  // namespace

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (argc == 4 && std::strcmp(argv[1], "--startup") == 0) {
    return startupChild(argc, argv);
  }
  QApplication app(argc, argv);
  const int feeds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
  Defaults::standard().setInteger(AppearanceNames::kAppearanceTypeKey, 2);

  QTemporaryDir dir;
  const std::string database = QDir(dir.path()).filePath("Feeds").toStdString();
  if (!dir.isValid() || !writeDatabase(database, feeds)) {
    std::fprintf(stderr, "Could not make the test database in %s; check the temporary folder.\n",
                 qPrintable(dir.path()));
    return 1;
  }
  std::printf("Export window with %d feeds (offscreen, %s)\n", feeds,
              qPrintable(app.platformName()));
  const long baseKiB = peakKiB();

  CXExportStorage storage;
  storage.setDatabasePathOverride(database);
  CXExportDocumentWC document(&storage);
  CXExportListVC *list = nullptr;

  QElapsedTimer t;
  t.start();
  document.showWindow();
  const double shownMs = msSince(t);
  list = document.exportListVC();
  double arrivedMs = -1;
  QObject::connect(list->exportTableView()->model(), &QAbstractItemModel::modelAboutToBeReset, [&] {
    if (arrivedMs < 0) arrivedMs = msSince(t);
  });
  while (list->loadState() != CXExportListVC::LoadState::Loaded)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  CXTableViewWithEmptyHolder *table = list->exportTableView();
  table->viewport()->repaint();
  std::printf("  %-34s %8.1f ms (window on screen %.1f ms, feeds arrived %.1f ms)\n",
              "read+fill (show to all ticked)", msSince(t), shownMs, arrivedMs);
  std::printf("  %-34s %8.1f MiB\n", "peak memory after loading", peakKiB() / 1024.0);
  if (list->feedsCount() != feeds || int(list->selectedFeeds().size()) != feeds) {
    std::fprintf(stderr, "The window shows %d feeds with %d ticked, not %d.\n", list->feedsCount(),
                 int(list->selectedFeeds().size()), feeds);
    return 1;
  }

  // The same feeds read again, to hand over as the store would.
  FeedRowTable delivered;
  measure(
      5, [&] { delivered = readFeedsAt(database).rows; },
      [&] {
        list->feedsArrived(std::move(delivered));
        table->viewport()->repaint();
      })
      .print("fill (arrival to all ticked)");
  measure(
      7, [&] { document.deselectAllFeedsInTable(); },
      [&] {
        document.selectAllFeedsInTable();
        table->viewport()->repaint();
      })
      .print("select all");
  measure(
      7, [&] { document.selectAllFeedsInTable(); },
      [&] {
        document.deselectAllFeedsInTable();
        table->viewport()->repaint();
      })
      .print("deselect all");
  {
    // Typing into the filter, a key at a time, each to the repaint: the
    // first key also folds every feed's texts once.
    QLineEdit *filter = list->filterField();
    const QString typed = QStringLiteral("number 4242");
    std::vector<double> keys;
    double first = 0;
    for (int round = 0; round < 3; ++round) {
      filter->clear();
      table->viewport()->repaint();
      for (qsizetype i = 1; i <= typed.size(); ++i) {
        QElapsedTimer timer;
        timer.start();
        filter->setText(typed.left(i));
        table->viewport()->repaint();
        QCoreApplication::processEvents();
        const double ms = timer.nsecsElapsed() / 1e6;
        if (round == 0 && i == 1) {
          first = ms;
        } else {
          keys.push_back(ms);
        }
      }
    }
    std::sort(keys.begin(), keys.end());
    std::printf("  %-34s %8.1f ms (first key, folding the feeds: %.1f ms)\n",
                "filter: a key to the repaint", keys[keys.size() / 2], first);
    std::printf("  %-34s %8.1f ms worst of %zu keys (target: each under 50 ms), %d shown\n", "",
                keys.back(), keys.size(), list->shownFeedsCount());
    filter->clear();
  }
  document.selectAllFeedsInTable();
  QByteArray text;
  // Each run starts without the previous text, as each export does.
  measure(
      5, [&] { text = QByteArray(); }, [&] { text = list->strExportFeedsUtf8(); })
      .print("export text (all feeds)");
  std::printf("  %-34s %8.1f MiB\n", "export text size", text.size() / 1048576.0);
  std::printf("  %-34s %8.1f MiB\n", "peak memory after the text", peakKiB() / 1024.0);
  text.clear();

  const QString target = QDir(dir.path()).filePath("My Feeds.opml");
  document.setSavePanelFactory([target] { return std::make_unique<AnswerPanel>(target); });
  measure(3, nullptr, [&] { document.exportFeedsToOPML(); }).print("export to a file");

  const long peak = peakKiB();
  std::printf("  %-34s %8.1f MiB (%.1f MiB before the window)\n", "peak memory", peak / 1024.0,
              baseKiB / 1024.0);

  // The store's share of the start: reading every feed on its queue and
  // handing the list to the main thread.
  measure(3, nullptr, [&] {
    bool arrived = false;
    storage.readFeedsFromDatabaseWithCompletionHandler([&arrived](FeedList) { arrived = true; });
    while (!arrived) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }).print("store read, FeedRecords");
  measure(3, nullptr, [&] {
    bool arrived = false;
    storage.readFeedsWithOutcome([&arrived](ReadResult) { arrived = true; });
    while (!arrived) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }).print("store read, UTF-8 rows (window)");

  // Last, so that its windows and documents do not raise the figures above.
  std::printf("\nAgainst the command line, same database, same run:\n");
  compareWithCommandLine(argv[0], database, dir.path(), feeds);
  return 0;
}
