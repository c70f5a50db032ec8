// Export benchmark: builds a reader database of many feeds and times, side by
// side, the sqlite3 tool running the same query, our read into rows, our OPML
// build, and the whole `orvella-exporter --export` process.
//
//   orvella_bench --sqlite3 PATH --exporter PATH [--feeds N] [--runs R]
#include <FeedsSchema.h>
#include <fcntl.h>
#include <spawn.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "Spawn.h"
#include "export/OpmlWriter.h"
#include "store/FeedDatabase.h"
#include "store/FeedsQuery.h"

extern char **environ;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

struct Sample {
  double seconds = 0;
  long peakKiB = 0;  // 0 when not measured
};

struct Figures {
  std::string name;
  std::vector<Sample> samples;
  double median() const {
    std::vector<double> s;
    for (const auto &x : samples) s.push_back(x.seconds);
    std::sort(s.begin(), s.end());
    return s[s.size() / 2];
  }
  double best() const {
    double b = samples.front().seconds;
    for (const auto &x : samples) b = std::min(b, x.seconds);
    return b;
  }
  long peakKiB() const {
    long p = 0;
    for (const auto &x : samples) p = std::max(p, x.peakKiB);
    return p;
  }
};

[[noreturn]] void die(const std::string &what) {
  std::fprintf(stderr, "%s\n", what.c_str());
  std::exit(1);
}

void exec(sqlite3 *db, const char *sql) {
  char *error = nullptr;
  if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) die(error ? error : sql);
}

// A reader database with realistic addresses and titles, some with the
// characters that need escaping and some in other scripts.
void buildDatabase(const fs::path &path, int feeds) {
  sqlite3 *db = nullptr;
  if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) die("cannot create " + path.string());
  exec(db, kFeedsSchema);
  exec(db, "BEGIN;");
  sqlite3_stmt *insert = nullptr;
  sqlite3_prepare_v2(db,
                     "INSERT INTO FEEDS (FEED_URL, FEED_TITLE, CHANNEL_TYPE, INTERNAL_LINK, "
                     "UNREAD_COUNT, ADDED_AT) VALUES (?, ?, ?, ?, ?, '2023-05-01')",
                     -1, &insert, nullptr);
  std::mt19937 rng(7);
  const char *words[] = {"Daily",  "News",    "Tech", "Notes",     "Weekly", "Science", "Café",
                         "Review", "Journal", "Blog", "Dispatch",  "Radio",  "Kitchen", "Garden",
                         "Design", "Code",    "Ops",  "Economics", "World",  "Local"};
  const char *special[] = {" & Co", " <Live>", " \"Best\"", " — 日本語", " Медуза", ""};
  const char *tlds[] = {".com", ".org", ".net", ".co.uk", ".de", ".io"};
  for (int i = 0; i < feeds; ++i) {
    const std::string host = std::string("www.") + words[rng() % 20] + std::to_string(i) +
                             words[rng() % 20] + tlds[rng() % 6];
    std::string title = std::string(words[rng() % 20]) + " " + words[rng() % 20] + " " +
                        words[rng() % 20] + special[rng() % 6];
    std::string site = "https://" + host + "/";
    std::string feed = "https://" + host + "/feeds/" + words[rng() % 20] + "/rss.xml";
    sqlite3_bind_text(insert, 1, site.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(insert, 2, title.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_int(insert, 3, 1 + static_cast<int>(rng() % 3));
    sqlite3_bind_text(insert, 4, feed.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_int(insert, 5, static_cast<int>(rng() % 200));
    if (sqlite3_step(insert) != SQLITE_DONE) die(sqlite3_errmsg(db));
    sqlite3_reset(insert);
  }
  sqlite3_finalize(insert);
  exec(db, "COMMIT;");
  sqlite3_close(db);
}

// Runs a program with stdout to /dev/null; wall time and the child's peak
// resident memory.
Sample runProcess(const std::vector<std::string> &args) {
  const auto start = Clock::now();
  const pid_t pid = bench::spawnQuiet(args);
  if (pid < 0) die("cannot start " + args[0]);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  const auto end = Clock::now();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) die(args[0] + " failed");
  return {std::chrono::duration<double>(end - start).count(), usage.ru_maxrss};
}

Sample timeInProcess(const std::function<void()> &work) {
  const auto start = Clock::now();
  work();
  return {std::chrono::duration<double>(Clock::now() - start).count(), 0};
}

Figures measure(const std::string &name, int runs, const std::function<Sample()> &once) {
  once();  // warm the page cache and the allocator
  Figures figures{name, {}};
  for (int i = 0; i < runs; ++i) figures.samples.push_back(once());
  return figures;
}

}  // namespace

int main(int argc, char **argv) {
  std::string sqlite3Tool = "sqlite3", exporter;
  int feeds = 100'000, runs = 7;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i], value = argv[i + 1];
    if (option == "--sqlite3")
      sqlite3Tool = value;
    else if (option == "--exporter")
      exporter = value;
    else if (option == "--feeds")
      feeds = std::stoi(value);
    else if (option == "--runs")
      runs = std::stoi(value);
    else
      die("unknown option " + option);
  }
  if (exporter.empty())
    die("usage: orvella_bench --exporter PATH [--sqlite3 PATH] [--feeds N] [--runs R]");

  QTemporaryDir dir;
  const fs::path db = fs::path(dir.path().toStdString()) / "Feeds";
  const fs::path out = fs::path(dir.path().toStdString()) / "My Feeds.opml";
  std::printf("Building a reader database of %d feeds...\n", feeds);
  buildDatabase(db, feeds);
  std::printf("Database: %.1f MiB; %d timed runs each after one warm-up run.\n\n",
              fs::file_size(db) / 1048576.0, runs);

  // The processes run first, while this program is still small: a child's
  // peak memory as the system reports it includes what it inherited before
  // its exec.
  Figures sqliteTool = measure("sqlite3 tool, same SELECT > /dev/null", runs, [&] {
    return runProcess({sqlite3Tool, db.string(), kFeedsQuery});
  });
  Figures startUp = measure("orvella-exporter --version (start-up only)", runs, [&] {
    return runProcess({exporter, "--version"});
  });
  Figures toStdout = measure("orvella-exporter --export - > /dev/null", runs, [&] {
    return runProcess({exporter, "--database", db.string(), "--export", "-"});
  });
  Figures toFile = measure("orvella-exporter --export FILE (whole job)", runs, [&] {
    return runProcess({exporter, "--database", db.string(), "--export", out.string()});
  });

  FeedRowTable rows;
  Figures read = measure("our read into rows (in process)", runs, [&] {
    return timeInProcess([&] {
      ReadResult r = readFeedsAt(db);
      if (!r.ok() || r.rows.size() != static_cast<std::size_t>(feeds)) die("read failed");
      rows = std::move(r.rows);
    });
  });
  std::size_t documentBytes = 0;
  Figures build = measure("our OPML build from rows", runs, [&] {
    return timeInProcess([&] {
      OpmlBuilder builder(rows.size());
      for (std::size_t k = 0; k < rows.size(); ++k) builder.addOutline(rows.row(k));
      documentBytes = std::move(builder).finish().size();
    });
  });
  const std::vector<Figures> all = {sqliteTool, read, build, startUp, toStdout, toFile};

  std::printf("%-44s %10s %10s %12s\n", "step", "median ms", "best ms", "peak RSS MiB");
  for (const auto &f : all) {
    if (f.peakKiB() > 0) {
      std::printf("%-44s %10.1f %10.1f %12.1f\n", f.name.c_str(), f.median() * 1000,
                  f.best() * 1000, f.peakKiB() / 1024.0);
    } else {
      std::printf("%-44s %10.1f %10.1f %12s\n", f.name.c_str(), f.median() * 1000, f.best() * 1000,
                  "-");
    }
  }
  const double ratio = toFile.median() / sqliteTool.median();
  const double ratioStdout = toStdout.median() / sqliteTool.median();
  const double peakMiB = toFile.peakKiB() / 1024.0;
  std::printf("\nOPML document: %.1f MiB for %d feeds.\n", documentBytes / 1048576.0, feeds);
  std::printf("Whole export to a file / bare sqlite3 query (medians): %.2fx (target <= 2x): %s\n",
              ratio, ratio <= 2.0 ? "within target" : "OVER TARGET");
  std::printf("Export to /dev/null / bare sqlite3 query to /dev/null (medians): %.2fx\n",
              ratioStdout);
  std::printf("Whole export peak memory: %.1f MiB (target < 100 MiB): %s\n", peakMiB,
              peakMiB < 100 ? "within target" : "OVER TARGET");
  return 0;
}
