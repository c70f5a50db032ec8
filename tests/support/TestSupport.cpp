#include "TestSupport.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>

#include "platform/Defaults.h"
#include "services/AppearanceNames.h"

namespace testsupport {

void useScheme(std::uint64_t appearance) {
  Defaults::standard().setInteger(AppearanceNames::kAppearanceTypeKey,
                                  static_cast<qint64>(appearance));
}

bool waitUntil(const std::function<bool()> &pred, std::chrono::milliseconds timeout) {
  QElapsedTimer timer;
  timer.start();
  while (!pred()) {
    if (timer.elapsed() > timeout.count()) {
      return pred();
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::msleep(1);
  }
  return true;
}

void pump(std::chrono::milliseconds duration) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < duration.count()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::msleep(1);
  }
}

TempDir::TempDir() {
  std::random_device rd;
  auto base = std::filesystem::temp_directory_path();
  for (;;) {
    path_ = base / ("orvella-test-" + std::to_string(rd()));
    std::error_code ec;
    if (std::filesystem::create_directory(path_, ec)) {
      break;
    }
  }
}

TempDir::~TempDir() {
  std::error_code ec;
  // Tests may take permissions away to provoke failures; give them back first.
  for (auto it = std::filesystem::recursive_directory_iterator(
           path_, std::filesystem::directory_options::skip_permission_denied, ec);
       !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
    std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
  }
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

void execSql(const std::filesystem::path &path, const std::string &sql) {
  sqlite3 *db = nullptr;
  int rc = sqlite3_open(path.c_str(), &db);
  ASSERT_EQ(rc, SQLITE_OK) << "cannot open " << path;
  char *err = nullptr;
  rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err);
  std::string message = err ? err : "";
  sqlite3_free(err);
  sqlite3_close(db);
  ASSERT_EQ(rc, SQLITE_OK) << message;
}

std::string readFile(const std::filesystem::path &path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void writeFile(const std::filesystem::path &path, const std::string &bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::vector<std::string> namesIn(const std::filesystem::path &folder) {
  std::vector<std::string> names;
  for (const auto &entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

QString qpath(const std::filesystem::path &path) { return QString::fromStdString(path.string()); }

void PrivateSessionBus::SetUp() {
  daemon_.start(QStringLiteral("dbus-daemon"),
                {QStringLiteral("--session"), QStringLiteral("--nofork"),
                 QStringLiteral("--nopidfile"), QStringLiteral("--print-address=1")});
  ASSERT_TRUE(daemon_.waitForStarted(10000)) << "dbus-daemon did not start";
  while (!daemon_.canReadLine()) {
    ASSERT_TRUE(daemon_.waitForReadyRead(10000)) << "dbus-daemon printed no address";
  }
  qputenv("DBUS_SESSION_BUS_ADDRESS", daemon_.readLine().trimmed());
}

void PrivateSessionBus::TearDown() {
  daemon_.terminate();
  daemon_.waitForFinished(5000);
}

}  // namespace testsupport
