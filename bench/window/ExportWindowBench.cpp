// export_window_bench [FEEDS]
//
// Prints how long the export window takes with a large reader database
// (100,000 feeds unless told otherwise), measured on the real window,
// offscreen:
//   read+fill   from showing the window to every feed ticked (SQLite read incl.)
//   store read  the feed store's read alone, for comparison
//   fill        from the feeds' arrival to a filled, painted table, all ticked
//   select all / deselect all, as the buttons do them, with a repaint
//   export text building the OPML document of every feed
//   export      the whole export through a save panel into a file
//   peak memory of the process (VmHWM)
// Each step runs a few times; the best and the median are printed. Figures
// only: nothing here passes or fails.
#include <sqlite3.h>
#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "export/CXExportListVC.h"
#include "platform/Defaults.h"
#include "services/AppearanceNames.h"
#include "store/CXExportStorage.h"
#include "toolkit/CXTableViewWithEmptyHolder.h"
#include "window/CXExportDocumentWC.h"

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
  sqlite3_exec(db,
               "BEGIN; CREATE TABLE FEEDS (FEED_ID INTEGER PRIMARY KEY, FEED_URL TEXT, "
               "FEED_TITLE TEXT, CHANNEL_TYPE INTEGER, INTERNAL_LINK TEXT);",
               nullptr, nullptr, nullptr);
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

}  // namespace

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
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
  if (list->feedsCount() != feeds || table->numberOfSelectedRows() != feeds) {
    std::fprintf(stderr, "The window shows %d feeds with %d ticked, not %d.\n", list->feedsCount(),
                 table->numberOfSelectedRows(), feeds);
    return 1;
  }

  // A second list of the same feeds, to hand over again as the store would.
  const FeedList delivered = *list->exportList();
  measure(5, nullptr, [&] {
    list->feedsArrived(delivered);
    table->viewport()->repaint();
  }).print("fill (arrival to all ticked)");
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
  }).print("store read (queue to main thread)");

  return 0;
}
