// A writer that stands in for the reader application in tests: it writes to a
// database and then stays alive, holding whatever state the mode leaves,
// until the test kills it. That reproduces a reader that was killed while the
// files next to its database were in use.
//
//   store_sqlite_writer DB wal N       commit N rows in WAL mode, no checkpoint
//   store_sqlite_writer DB hot N       start a transaction of N rows big enough
//                                      to spill into the database file, never commit
//   store_sqlite_writer DB exclusive   hold an exclusive lock
//   store_sqlite_writer DB rewrite [MS] rewrite every title in a loop, one
//                                      transaction a generation ("Gen 1", ...),
//                                      in rollback-journal mode; with MS, a
//                                      pause of MS milliseconds after each, as
//                                      a reader that syncs now and then
//   store_sqlite_writer DB rewrite-wal-exclusive   the same in WAL mode with
//                                      locking_mode=EXCLUSIVE
//   store_sqlite_writer DB rewrite-wal-reopening   set every title to "Gen-0"
//                                      and "Gen-1" in turn in WAL mode, each on
//                                      a connection of its own: its close
//                                      writes the log into the database file
//                                      and removes it
//   store_sqlite_writer DB checkpoint A B   write the database file over with
//                                      the database files A and B in turn,
//                                      page by page under SQLite's exclusive
//                                      lock, as a writer in exclusive locking
//                                      mode does when it checkpoints its log
//   store_sqlite_writer DB rewrite-wal-no-index    the same, a generation
//                                      ("Gen 1 <random>") on a connection of
//                                      its own, checkpointed into the database
//                                      file; the log stays between
//                                      generations and no -shm index is made
//
// Prints "ready" once the state is in place, then waits for stdin to close.
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

namespace {

void run(sqlite3 *db, const std::string &sql) {
  char *error = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    std::fprintf(stderr, "%s: %s\n", sql.c_str(), error ? error : "?");
    std::exit(2);
  }
}

constexpr off_t kPendingByte = 0x40000000;

// Waits for a lock of type on the byte range (F_UNLCK: lets go of it).
bool lockRange(int fd, short type, off_t start, off_t length) {
  struct flock lock {};
  lock.l_type = type;
  lock.l_whence = SEEK_SET;
  lock.l_start = start;
  lock.l_len = length;
  return ::fcntl(fd, F_SETLKW, &lock) == 0;
}

std::string readAll(const char *path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

}  // namespace

int main(int argc, char **argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s DB wal|hot|exclusive [N]\n", argv[0]);
    return 2;
  }
  const std::string mode = argv[2];
  const int rows = argc > 3 ? std::atoi(argv[3]) : 0;
  sqlite3 *db = nullptr;
  if (sqlite3_open(argv[1], &db) != SQLITE_OK) {
    std::fprintf(stderr, "cannot open %s\n", argv[1]);
    return 2;
  }
  const std::string insert =
      "INSERT INTO FEEDS (FEED_URL, FEED_TITLE, CHANNEL_TYPE, INTERNAL_LINK) "
      "WITH RECURSIVE n(value) AS (SELECT 1 UNION ALL SELECT value + 1 FROM n WHERE value < " +
      std::to_string(rows) +
      ") SELECT 'https://site/' || value, 'Pending ' || value || ' ' || hex(randomblob(200)), 1, "
      "'https://site/feed/' || value FROM n;";
  if (mode == "wal") {
    run(db, "PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0;");
    run(db, "BEGIN;" + insert + "COMMIT;");
  } else if (mode == "hot") {
    run(db, "PRAGMA journal_mode=DELETE; PRAGMA cache_size=2;");
    run(db, "BEGIN;" + insert);
  } else if (mode == "exclusive") {
    run(db, "BEGIN EXCLUSIVE; SELECT count(*) FROM sqlite_schema;");
  } else if (mode == "rewrite" || mode == "rewrite-wal-exclusive") {
    run(db, mode == "rewrite"
                ? "PRAGMA journal_mode=DELETE; PRAGMA cache_size=2;"
                : "PRAGMA locking_mode=EXCLUSIVE; PRAGMA journal_mode=WAL; PRAGMA cache_size=2;");
    sqlite3_busy_timeout(db, 5000);
    for (long generation = 1;; ++generation) {
      run(db, "UPDATE FEEDS SET FEED_TITLE = 'Gen " + std::to_string(generation) + "';");
      if (rows > 0) std::this_thread::sleep_for(std::chrono::milliseconds(rows));
      if (generation == 1) {
        std::printf("ready\n");
        std::fflush(stdout);
      }
    }
  } else if (mode == "rewrite-wal-no-index") {
    sqlite3_close(db);
    for (long generation = 1;; ++generation) {
      // Exclusive locking keeps the log's index in memory, and a connection
      // closed without a checkpoint leaves the log: between two generations
      // the database has a log with frames and no index, and no lock.
      if (sqlite3_open(argv[1], &db) != SQLITE_OK) return 2;
      sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
      sqlite3_busy_timeout(db, 20000);
      run(db,
          "PRAGMA locking_mode=EXCLUSIVE; PRAGMA journal_mode=WAL; PRAGMA synchronous=OFF;"
          " PRAGMA wal_autocheckpoint=0;");
      run(db, "UPDATE FEEDS SET FEED_TITLE = 'Gen " + std::to_string(generation) +
                  " ' || hex(randomblob(100));");
      run(db, "PRAGMA wal_checkpoint(PASSIVE);");
      sqlite3_close(db);
      if (generation == 1) {
        std::printf("ready\n");
        std::fflush(stdout);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  } else if (mode == "rewrite-wal-reopening") {
    sqlite3_close(db);
    for (long generation = 1;; ++generation) {
      if (sqlite3_open(argv[1], &db) != SQLITE_OK) return 2;
      sqlite3_busy_timeout(db, 20000);
      run(db, "PRAGMA journal_mode=WAL;");
      run(db, "UPDATE FEEDS SET FEED_TITLE = 'Gen-" + std::to_string(generation % 2) + "';");
      sqlite3_close(db);
      if (generation == 1) {
        std::printf("ready\n");
        std::fflush(stdout);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  } else if (mode == "checkpoint" && argc > 4) {
    // Every descriptor of ours on the file must stay open: closing any of
    // them would drop the process's locks.
    sqlite3_close(db);
    const std::string images[] = {readAll(argv[3]), readAll(argv[4])};
    const int fd = ::open(argv[1], O_RDWR | O_CLOEXEC);
    if (fd < 0 || images[0].size() != images[1].size()) return 2;
    for (long generation = 0;; ++generation) {
      // SQLite's exclusive lock: the pending byte, the reserved byte, then
      // the whole shared range, each waited for as a writer waits for readers.
      if (!lockRange(fd, F_WRLCK, kPendingByte, 1) ||
          !lockRange(fd, F_WRLCK, kPendingByte + 1, 1) ||
          !lockRange(fd, F_WRLCK, kPendingByte + 2, 510)) {
        return 2;
      }
      const std::string &image = images[generation % 2];
      for (std::size_t at = 0; at < image.size(); at += 4096) {
        const std::size_t size = std::min<std::size_t>(4096, image.size() - at);
        if (::pwrite(fd, image.data() + at, size, static_cast<off_t>(at)) != ssize_t(size))
          return 2;
      }
      lockRange(fd, F_UNLCK, 0, 0);
      if (generation == 0) {
        std::printf("ready\n");
        std::fflush(stdout);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  } else {
    std::fprintf(stderr, "unknown mode %s\n", mode.c_str());
    return 2;
  }
  std::printf("ready\n");
  std::fflush(stdout);
  while (std::getchar() != EOF) {
  }
  // Reached only when the test lets the writer go instead of killing it.
  sqlite3_close(db);
  return 0;
}
