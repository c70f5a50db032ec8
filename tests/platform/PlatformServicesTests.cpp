#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>
#include <atomic>
#include <functional>
#include <future>
#include <stop_token>
#include <thread>
#include <vector>

#include "TestSupport.h"
#include "platform/Defaults.h"
#include "platform/FileNames.h"
#include "platform/FolderChangeMonitor.h"
#include "platform/Localized.h"
#include "platform/MainQueue.h"
#include "platform/SessionBus.h"
#include "platform/SystemStyle.h"
#include "platform/WakeableSleep.h"

using testsupport::pump;
using testsupport::waitUntil;
using namespace std::chrono_literals;

namespace {

QProcess::ExitStatus runProbe(
    const QStringList &arguments, QString *output = nullptr,
    const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment()) {
  QProcess probe;
  probe.setProcessEnvironment(environment);
  probe.start(QStringLiteral(ORVELLA_SERVICES_PROBE), arguments);
  EXPECT_TRUE(probe.waitForFinished(30000));
  EXPECT_EQ(probe.exitCode(), 0) << probe.readAllStandardError().toStdString();
  if (output != nullptr) {
    *output = QString::fromLocal8Bit(probe.readAllStandardOutput()).trimmed();
  }
  return probe.exitStatus();
}

const QString kKey = QStringLiteral("kCXTestInteger");
const QString kFlag = QStringLiteral("kCXTestFlag");

}  // namespace

// --- Defaults -------------------------------------------------------------

class DefaultsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Defaults::standard().remove(kKey);
    Defaults::standard().remove(kFlag);
  }
  void TearDown() override { SetUp(); }
};

TEST_F(DefaultsTest, AbsentKeysReadAsZeroAndFalseAndWritesReadBack) {
  auto &defaults = Defaults::standard();
  EXPECT_EQ(defaults.integerForKey(kKey), 0);
  EXPECT_FALSE(defaults.boolForKey(kFlag));
  defaults.setInteger(kKey, -7);
  defaults.setBool(kFlag, true);
  EXPECT_EQ(defaults.integerForKey(kKey), -7);
  EXPECT_TRUE(defaults.boolForKey(kFlag));
  EXPECT_EQ(defaults.integerForKey(kFlag), 1) << "a boolean read as an integer";
  EXPECT_TRUE(defaults.boolForKey(kKey)) << "a non-zero integer read as a boolean";
  defaults.remove(kKey);
  EXPECT_EQ(defaults.integerForKey(kKey), 0);
}

TEST_F(DefaultsTest, LivesInTheApplicationsOwnSettingsFile) {
  const QString expected =
      qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Corvanex/OrvellaExporter.conf");
  EXPECT_EQ(Defaults::standard().fileName(), expected);
  Defaults::standard().setInteger(kKey, 42);
  const std::string text = testsupport::readFile(expected.toStdString());
  EXPECT_NE(text.find("kCXTestInteger=42"), std::string::npos) << text;
}

TEST_F(DefaultsTest, SeesWhatAnotherProcessWrites) {
  auto &defaults = Defaults::standard();
  EXPECT_EQ(defaults.integerForKey(kKey), 0);
  for (int value : {1, 2, 13, 0, 3}) {
    runProbe({QStringLiteral("set-integer"), kKey, QString::number(value)});
    EXPECT_EQ(defaults.integerForKey(kKey), value);
  }
  // Our own write after theirs keeps their other keys.
  runProbe({QStringLiteral("set-integer"), QStringLiteral("kCXTestOther"), QStringLiteral("5")});
  defaults.setBool(kFlag, true);
  EXPECT_EQ(defaults.integerForKey(QStringLiteral("kCXTestOther")), 5);
  defaults.remove(QStringLiteral("kCXTestOther"));
}

TEST_F(DefaultsTest, ConcurrentReadersAndAWriterAgree) {
  auto &defaults = Defaults::standard();
  std::atomic<bool> running{true};
  std::atomic<int> odd{0};
  std::vector<std::thread> readers;
  for (int i = 0; i < 3; ++i) {
    readers.emplace_back([&] {
      while (running) {
        const qint64 v = defaults.integerForKey(kKey);
        if (v % 2 != 0) ++odd;  // only even values are ever written
      }
    });
  }
  for (int i = 0; i < 100; ++i) defaults.setInteger(kKey, 2 * i);
  running = false;
  for (auto &t : readers) t.join();
  EXPECT_EQ(odd.load(), 0);
  EXPECT_EQ(defaults.integerForKey(kKey), 198);
}

TEST(FolderChangeMonitor, NoticesEveryWayAFileChangesOnceAndNothingElse) {
  testsupport::TempDir dir;
  const auto file = dir / "Settings.conf";
  std::filesystem::create_directory(dir / "other");
  FolderChangeMonitor monitor;
  ASSERT_TRUE(monitor.watch(QByteArray::fromStdString(dir.path().string())));
  EXPECT_FALSE(monitor.changed()) << "nothing happened yet";
  struct Step {
    const char *what;
    std::function<void()> act;
    bool noticed;
  };
  const std::vector<Step> steps = {
      {"create", [&] { testsupport::writeFile(file, "a=1\n"); }, true},
      {"rewrite", [&] { testsupport::writeFile(file, "a=2\n"); }, true},
      {"replace by rename",
       [&] {
         testsupport::writeFile(dir / "Settings.conf.tmp", "a=3\n");
         std::filesystem::rename(dir / "Settings.conf.tmp", file);
       },
       true},
      {"change permissions",
       [&] {
         std::filesystem::permissions(file, std::filesystem::perms::owner_read,
                                      std::filesystem::perm_options::replace);
       },
       true},
      {"write in a subfolder", [&] { testsupport::writeFile(dir / "other" / "x", "x"); }, false},
      {"delete", [&] { std::filesystem::remove(file); }, true},
  };
  for (const Step &step : steps) {
    step.act();
    EXPECT_EQ(monitor.changed(), step.noticed) << step.what;
    EXPECT_FALSE(monitor.changed()) << step.what << ": told once";
  }
  // Without its folder the monitor can tell nothing: every question answers
  // "changed", so that the caller looks for itself.
  std::filesystem::remove_all(dir.path());
  EXPECT_TRUE(monitor.changed());
  EXPECT_FALSE(monitor.isActive());
  EXPECT_TRUE(monitor.changed());
  EXPECT_FALSE(monitor.watch(QByteArray::fromStdString(dir.path().string())));
  EXPECT_TRUE(monitor.changed());
}

TEST(WakeableSleep, AWakeEndsTheSleepsWhoseTicketCameBeforeIt) {
  WakeableSleep sleep;
  auto timed = [&](auto &&fn) {
    const auto start = std::chrono::steady_clock::now();
    fn();
    return std::chrono::steady_clock::now() - start;
  };
  // A wake between the ticket and the sleep is not lost.
  const WakeableSleep::Ticket early = sleep.ticket();
  sleep.wake();
  EXPECT_LT(timed([&] { sleep.sleepFor(60s, early); }), 20s);
  // A wake from another thread ends a sleep in progress.
  std::thread waker([&] {
    std::this_thread::sleep_for(50ms);
    sleep.wake();
  });
  EXPECT_LT(timed([&] { sleep.sleepFor(60s, sleep.ticket()); }), 20s);
  waker.join();
  // Earlier wakes do not shorten a sleep whose ticket came after them.
  EXPECT_GE(timed([&] { sleep.sleepFor(30ms, sleep.ticket()); }), 30ms);
}

// --- SystemStyle ----------------------------------------------------------

TEST(SystemStyle, PortalColorSchemeMeaning) {
  EXPECT_EQ(SystemStyle::styleForColorScheme(1), QStringLiteral("Dark"));
  EXPECT_EQ(SystemStyle::styleForColorScheme(0), std::nullopt);
  EXPECT_EQ(SystemStyle::styleForColorScheme(2), std::nullopt);
  EXPECT_EQ(SystemStyle::styleForColorScheme(7), std::nullopt);
}

TEST(SystemStyle, OverrideWinsUntilCleared) {
  SystemStyle::setOverride(QStringLiteral("Dark"));
  EXPECT_EQ(SystemStyle::interfaceStyle(), QStringLiteral("Dark"));
  SystemStyle::setOverride(std::nullopt);
  EXPECT_EQ(SystemStyle::interfaceStyle(), std::nullopt);
  SystemStyle::clearOverride();
  // Tests run without a portal, so the real source has no style.
  EXPECT_EQ(SystemStyle::interfaceStyle(), std::nullopt);
}

TEST(SystemStyle, EnvironmentVariableReplacesThePortal) {
  auto environment = QProcessEnvironment::systemEnvironment();
  QString seen;
  environment.insert(QStringLiteral("ORVELLA_INTERFACE_STYLE"), QStringLiteral("Dark"));
  runProbe({QStringLiteral("style")}, &seen, environment);
  EXPECT_EQ(seen, QStringLiteral("Dark"));
  environment.insert(QStringLiteral("ORVELLA_INTERFACE_STYLE"), QStringLiteral("Graphite"));
  runProbe({QStringLiteral("style")}, &seen, environment);
  EXPECT_EQ(seen, QStringLiteral("Graphite"));
  environment.insert(QStringLiteral("ORVELLA_INTERFACE_STYLE"), QString());
  runProbe({QStringLiteral("style")}, &seen, environment);
  EXPECT_EQ(seen, QStringLiteral("<none>"));
  // Without a session bus: absent, quickly, and without complaints.
  environment.remove(QStringLiteral("ORVELLA_INTERFACE_STYLE"));
  environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                     QStringLiteral("unix:path=/nonexistent/orvella-test-bus"));
  QProcess probe;
  probe.setProcessEnvironment(environment);
  probe.start(QStringLiteral(ORVELLA_SERVICES_PROBE), {QStringLiteral("style")});
  ASSERT_TRUE(probe.waitForFinished(30000));
  EXPECT_EQ(QString::fromLocal8Bit(probe.readAllStandardOutput()).trimmed(),
            QStringLiteral("<none>"));
  EXPECT_EQ(probe.readAllStandardError(), QByteArray());
}

TEST(SessionBus, KnowsWhenThereIsCertainlyNoBus) {
  const QByteArray savedAddress = qgetenv("DBUS_SESSION_BUS_ADDRESS");
  const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
  testsupport::TempDir runtime;
  const QByteArray socket = QByteArray::fromStdString((runtime / "bus").string());

  qunsetenv("DBUS_SESSION_BUS_ADDRESS");
  qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime.path().string()));
  EXPECT_FALSE(SessionBus::mayBeReachable()) << "no address and no socket in the runtime folder";
  testsupport::writeFile(runtime / "bus", "");
  EXPECT_TRUE(SessionBus::mayBeReachable());
  qunsetenv("XDG_RUNTIME_DIR");
  EXPECT_FALSE(SessionBus::mayBeReachable());

  qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/orvella-bus");
  EXPECT_FALSE(SessionBus::mayBeReachable());
  qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + socket + ",guid=0123");
  EXPECT_TRUE(SessionBus::mayBeReachable());
  qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/a;unix:path=" + socket);
  EXPECT_TRUE(SessionBus::mayBeReachable()) << "any usable entry will do";
  qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:abstract=/tmp/dbus-XYZ");
  EXPECT_TRUE(SessionBus::mayBeReachable()) << "only a connection can tell";

  savedAddress.isNull() ? qunsetenv("DBUS_SESSION_BUS_ADDRESS")
                        : qputenv("DBUS_SESSION_BUS_ADDRESS", savedAddress);
  savedRuntime.isNull() ? qunsetenv("XDG_RUNTIME_DIR") : qputenv("XDG_RUNTIME_DIR", savedRuntime);
}

// --- Localized ------------------------------------------------------------

TEST(Localized, TablesAreEmbeddedAndMissingEntriesShowTheKey) {
  EXPECT_EQ(localized("InfoPlist", "App Name"), QStringLiteral("Orvella Exporter"));
  EXPECT_EQ(localized("InfoPlist", "Version").arg(QStringLiteral("1.0.0"), QStringLiteral("7")),
            QStringLiteral("Version 1.0.0 (7)"));
  EXPECT_NE(localized("InfoPlist", "Reserved"), QStringLiteral("Reserved"));
  EXPECT_EQ(localized("CXInterfaceString", "Export complete"), QStringLiteral("Export complete"));
  EXPECT_EQ(localized("CXInterfaceString", "No entry like this"),
            QStringLiteral("No entry like this"));
  // The tables are separate: a key of one is not found in the other.
  EXPECT_EQ(localized("CXInterfaceString", "App Name"), QStringLiteral("App Name"));
  // The same through Qt's own lookup once the tables are installed.
  EXPECT_EQ(QCoreApplication::translate("InfoPlist", "App Name"),
            QStringLiteral("Orvella Exporter"));
}

TEST(Localized, TheUsersLanguageWithEnglishWhenTheProgramHasNoTable) {
  struct Case {
    const char *locale;
    const char *table;
    bool qtTranslated;  // Qt's own texts come from the system for the language
    const char *complete;
  } cases[] = {{"de_DE", "de", true, "Export abgeschlossen"},
               {"pt_BR", "pt_BR", true, "Exportação concluída"},
               {"ko_KR", "en_GB", true, "Export complete"},    // no Korean table: English
               {"en_US", "en_GB", false, "Export complete"}};  // Qt speaks English as it stands
  for (const Case &c : cases) {
    reloadStringsTables(QLocale(QString::fromLatin1(c.locale)));
    EXPECT_EQ(stringsTableLanguage(), c.table) << c.locale;
    EXPECT_EQ(qtTranslationsLoaded(), c.qtTranslated) << c.locale;
    EXPECT_EQ(localized("CXInterfaceString", "Export complete"), QString::fromUtf8(c.complete))
        << c.locale;
  }
  reloadStringsTables(QLocale(QString::fromLatin1("de_DE")));
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
  reloadStringsTables(QLocale());
}

TEST(Localized, WorksOnABackgroundThread) {
  auto name = std::async(std::launch::async, [] { return localized("InfoPlist", "App Name"); });
  EXPECT_EQ(name.get(), QStringLiteral("Orvella Exporter"));
}

// --- MainQueue::sync with a stop token ------------------------------------

TEST(MainQueueStop, AStopBeforeOrWhileWaitingAbandonsTheCall) {
  std::stop_source early;
  early.request_stop();
  bool ran = false;
  EXPECT_FALSE(MainQueue::sync([&] { ran = true; }, early.get_token()));
  EXPECT_FALSE(ran);

  std::stop_source source;
  std::atomic<bool> ranLater{false};
  std::promise<bool> result;
  std::thread worker(
      [&] { result.set_value(MainQueue::sync([&] { ranLater = true; }, source.get_token())); });
  std::this_thread::sleep_for(50ms);  // the main thread does not take the call yet
  source.request_stop();
  auto returned = result.get_future();
  EXPECT_EQ(returned.wait_for(30s), std::future_status::ready) << "the stop did not release sync";
  EXPECT_FALSE(returned.get());
  worker.join();
  pump(30ms);
  EXPECT_FALSE(ranLater) << "an abandoned call must never run";
}

TEST(MainQueueStop, AStartedCallIsWaitedFor) {
  std::stop_source source;
  std::atomic<bool> inside{false};
  std::atomic<bool> finished{false};
  std::atomic<bool> returnedEarly{false};
  std::atomic<bool> result{false};
  std::thread worker([&] {
    result = MainQueue::sync(
        [&] {
          inside = true;
          source.request_stop();  // too late: the call has started
          QThread::msleep(50);
          finished = true;
        },
        source.get_token());
    if (!finished) returnedEarly = true;
  });
  ASSERT_TRUE(waitUntil([&] { return inside.load(); }));
  worker.join();
  EXPECT_TRUE(result);
  EXPECT_FALSE(returnedEarly);
}

// --- FileNames ------------------------------------------------------------

TEST(FileNames, EveryByteStringComesBackAsItWasAndValidUtf8ReadsAsText) {
  struct Case {
    QByteArray bytes;
    QString text;  // what a valid name reads as; empty where it is not valid
  };
  const Case cases[] = {
      {"/home/ann/Orvella.desktop", QStringLiteral("/home/ann/Orvella.desktop")},
      {"/caf\xC3\xA9/\xF0\x9F\x93\xB0", QStringLiteral("/café/📰")},
      {"/caf\xE9 \xFF", {}},          // Latin-1 bytes
      {"/\xED\xB2\x80", {}},          // an encoded surrogate, which UTF-8 forbids
      {"/\xC0\xAF", {}},              // an overlong '/'
      {"/\xE2\x82", {}},              // a sequence cut short at the end
      {"/\xF4\x90\x80\x80", {}},      // above U+10FFFF
      {"/\x80\xBF\xC3\xA9\xC3", {}},  // stray continuation bytes around a valid one
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.bytes.toHex(' ').toStdString());
    const QString name = FileNames::decode(c.bytes);
    EXPECT_EQ(FileNames::encode(name), c.bytes);
    if (!c.text.isEmpty()) {
      EXPECT_EQ(name, c.text);
    } else {
      EXPECT_FALSE(name.contains(QChar(QChar::ReplacementCharacter)));
    }
  }
  // A character outside the escape range, written by a user, is text.
  EXPECT_EQ(FileNames::encode(QStringLiteral("/a\U0001F4F0b")), QByteArray("/a\xF0\x9F\x93\xB0"
                                                                           "b"));
}
