#include <gtest/gtest.h>

#include <QProcess>
#include <atomic>
#include <thread>
#include <vector>

#include "TestSupport.h"
#include "platform/Defaults.h"
#include "platform/MainQueue.h"
#include "platform/SystemStyle.h"
#include "services/AppearanceDecision.h"
#include "services/CXServiceFunctions.h"

using testsupport::pump;
using testsupport::waitUntil;
using namespace std::chrono_literals;

namespace {

// Runs the helper program, which writes preferences as another process would.
void setIntegerInAnotherProcess(const QString &key, qint64 value) {
  QProcess probe;
  probe.start(QStringLiteral(ORVELLA_SERVICES_PROBE),
              {QStringLiteral("set-integer"), key, QString::number(value)});
  ASSERT_TRUE(probe.waitForFinished(30000)) << probe.errorString().toStdString();
  ASSERT_EQ(probe.exitStatus(), QProcess::NormalExit);
  ASSERT_EQ(probe.exitCode(), 0) << probe.readAllStandardError().toStdString();
}

}  // namespace

TEST(AppearanceDecision, EveryRowOfTheResolutionTable) {
  using AppearanceDecision::resolve;
  const QVariant absent;
  const std::vector<QVariant> darkStyles = {QStringLiteral("Dark"), QStringLiteral("dark"),
                                            QStringLiteral("DARK"), QStringLiteral("dArK")};
  const std::vector<QVariant> lightStyles = {absent,
                                             QVariant(1),
                                             QVariant(QStringLiteral("Darker")),
                                             QVariant(QStringLiteral(" Dark")),
                                             QVariant(QStringLiteral("Light")),
                                             QVariant(QString())};
  // A preference of 1 or 2 decides whatever the system says.
  for (const auto &style : darkStyles) {
    EXPECT_EQ(resolve(1, style), ColorScheme::Dark);
    EXPECT_EQ(resolve(2, style), ColorScheme::Light);
  }
  for (const auto &style : lightStyles) {
    EXPECT_EQ(resolve(1, style), ColorScheme::Dark);
    EXPECT_EQ(resolve(2, style), ColorScheme::Light);
  }
  // Every other value follows the system.
  for (qint64 preference : {qint64(0), qint64(3), qint64(-1), qint64(1) << 40}) {
    for (const auto &style : darkStyles) {
      EXPECT_EQ(resolve(preference, style), ColorScheme::Dark)
          << preference << " " << style.toString().toStdString();
    }
    for (const auto &style : lightStyles) {
      EXPECT_EQ(resolve(preference, style), ColorScheme::Light)
          << preference << " " << style.toString().toStdString();
    }
  }
}

class Watcher : public ::testing::Test {
 protected:
  void SetUp() override {
    service().stopScanAndWait();
    Defaults::standard().remove(AppearanceNames::kAppearanceTypeKey);
    SystemStyle::setOverride(std::nullopt);
    service().setLastChoosenAppearance(Appearance::kNone);
    connection_ = QObject::connect(
        &service().changes(), &AppearanceChanges::systemAppearanceDidChange, [this] {
          ++posts;
          if (!MainQueue::isMainThread()) {
            postedOffMain = true;
          }
          recordedDuringPost.push_back(service().lastChoosenAppearance());
        });
  }

  void TearDown() override {
    QObject::disconnect(connection_);
    service().stopScanAndWait();
    Defaults::standard().remove(AppearanceNames::kAppearanceTypeKey);
    SystemStyle::clearOverride();
  }

  static CXServiceFunctions &service() { return CXServiceFunctions::sharedService(); }

  // Starts following the system and lets the first period announce the scheme.
  void startAndSettle() {
    CXServiceFunctions::appAppearance();
    ASSERT_TRUE(waitUntil([&] { return posts == 1; }));
    posts = 0;
    recordedDuringPost.clear();
  }

  int posts = 0;  // touched only on the main thread, where observers run
  bool postedOffMain = false;
  std::vector<std::uint64_t> recordedDuringPost;

 private:
  QMetaObject::Connection connection_;
};

TEST_F(Watcher, FixedPreferenceDecidesAndStopsARunningWatcher) {
  SystemStyle::setOverride(QStringLiteral("Dark"));
  for (qint64 preference : {1, 2}) {
    Defaults::standard().remove(AppearanceNames::kAppearanceTypeKey);
    EXPECT_EQ(CXServiceFunctions::appAppearance(), 1u);
    ASSERT_TRUE(service().isScanStarted());
    ASSERT_EQ(service().runningLoops(), 1);

    Defaults::standard().setInteger(AppearanceNames::kAppearanceTypeKey, preference);
    EXPECT_EQ(CXServiceFunctions::appAppearance(), std::uint64_t(preference));
    EXPECT_FALSE(service().isScanStarted());
    EXPECT_TRUE(waitUntil([&] { return service().runningLoops() == 0; }));
    // Resolving again with the watcher stopped starts nothing.
    EXPECT_EQ(CXServiceFunctions::appAppearance(), std::uint64_t(preference));
    pump(50ms);
    EXPECT_EQ(service().runningLoops(), 0);
  }
}

TEST_F(Watcher, FollowingTheSystemStartsExactlyOneLoop) {
  for (qint64 preference : {qint64(0), qint64(3), qint64(-1)}) {
    service().stopScanAndWait();
    Defaults::standard().setInteger(AppearanceNames::kAppearanceTypeKey, preference);
    EXPECT_EQ(CXServiceFunctions::appAppearance(), 2u);
    EXPECT_TRUE(service().isScanStarted());
    EXPECT_EQ(service().runningLoops(), 1);
    EXPECT_EQ(CXServiceFunctions::appAppearance(), 2u);
    pump(30ms);
    EXPECT_EQ(service().runningLoops(), 1) << "a second resolution must not add a loop";
  }
}

TEST_F(Watcher, AccessorsStartAndStopNothing) {
  service().setIsScanStarted(true);
  pump(50ms);
  EXPECT_EQ(service().runningLoops(), 0);
  EXPECT_EQ(posts, 0);
  service().setIsScanStarted(false);
  service().setLastChoosenAppearance(Appearance::kDark);
  EXPECT_EQ(service().lastChoosenAppearance(), Appearance::kDark);
  EXPECT_FALSE(service().isScanStarted());
}

TEST_F(Watcher, FirstPeriodAfterAStartWithNothingRecordedPostsOnceThenNothing) {
  CXServiceFunctions::appAppearance();
  ASSERT_TRUE(waitUntil([&] { return posts >= 1; }));
  ASSERT_TRUE(waitUntil([&] { return service().lastChoosenAppearance() == Appearance::kLight; }));
  pump(200ms);  // twenty periods without a change
  EXPECT_EQ(posts, 1);
  EXPECT_FALSE(postedOffMain);
  // The observers ran before the decision was recorded.
  ASSERT_EQ(recordedDuringPost.size(), 1u);
  EXPECT_EQ(recordedDuringPost[0], Appearance::kNone);
  EXPECT_EQ(service().lastChoosenAppearance(), Appearance::kLight);
}

TEST_F(Watcher, AWindowThatRecordsTheSchemeBeforeTheFirstPeriodHearsNothing) {
  service().setLastChoosenAppearance(CXServiceFunctions::appAppearance());
  pump(150ms);
  EXPECT_EQ(posts, 0);
  EXPECT_EQ(service().runningLoops(), 1);
}

TEST_F(Watcher, SystemSwitchIsAnnouncedOnceAndRecorded) {
  startAndSettle();
  SystemStyle::setOverride(QStringLiteral("Dark"));
  ASSERT_TRUE(waitUntil([&] { return posts >= 1; }));
  // Recorded by the watcher's thread once the post has returned, whenever
  // that thread next gets a processor.
  ASSERT_TRUE(waitUntil([&] { return service().lastChoosenAppearance() == Appearance::kDark; }));
  pump(100ms);
  EXPECT_EQ(posts, 1);
  EXPECT_EQ(service().lastChoosenAppearance(), Appearance::kDark);
  EXPECT_EQ(recordedDuringPost, std::vector<std::uint64_t>{Appearance::kLight});

  // A style that is not "dark" counts as light again.
  SystemStyle::setOverride(QStringLiteral("Darker"));
  ASSERT_TRUE(waitUntil([&] { return posts >= 2; }));
  ASSERT_TRUE(waitUntil([&] { return service().lastChoosenAppearance() == Appearance::kLight; }));
  pump(100ms);
  EXPECT_EQ(posts, 2);
  EXPECT_EQ(service().lastChoosenAppearance(), Appearance::kLight);
}

TEST_F(Watcher, PreferenceWrittenByAnotherProcessStopsTheWatcherAfterOneLastPost) {
  startAndSettle();  // light recorded
  setIntegerInAnotherProcess(AppearanceNames::kAppearanceTypeKey, 1);
  ASSERT_TRUE(
      waitUntil([&] { return !service().isScanStarted() && service().runningLoops() == 0; }));
  pump(50ms);
  EXPECT_EQ(posts, 1) << "the scheme changed to dark: announced once";
  EXPECT_EQ(service().lastChoosenAppearance(), Appearance::kDark);
}

TEST_F(Watcher, PreferenceThatKeepsTheSchemeStopsTheWatcherSilently) {
  startAndSettle();  // light recorded
  setIntegerInAnotherProcess(AppearanceNames::kAppearanceTypeKey, 2);
  ASSERT_TRUE(waitUntil([&] { return service().runningLoops() == 0; }));
  pump(50ms);
  EXPECT_EQ(posts, 0);
  EXPECT_FALSE(service().isScanStarted());
  // Back to following the system: nothing notices until someone resolves again.
  Defaults::standard().remove(AppearanceNames::kAppearanceTypeKey);
  pump(50ms);
  EXPECT_EQ(service().runningLoops(), 0);
  EXPECT_EQ(CXServiceFunctions::appAppearance(), 2u);
  EXPECT_EQ(service().runningLoops(), 1);
}

TEST_F(Watcher, QuickStopAndStartNeverLeavesTwoLoops) {
  startAndSettle();
  std::atomic<bool> sampling{true};
  std::atomic<int> most{0};
  std::thread sampler([&] {
    while (sampling) {
      const int now = service().runningLoops();
      if (now > most) most = now;
      std::this_thread::yield();
    }
  });
  for (int i = 0; i < 200; ++i) {
    service().stopScanSystemAppearance();
    if (i % 3 == 0) std::this_thread::sleep_for(std::chrono::microseconds(9500));
    service().startScanSystemAppearance();
    if (i % 20 == 0) pump(5ms);
  }
  // A change now must be announced once, not once per loop.
  SystemStyle::setOverride(QStringLiteral("dark"));
  ASSERT_TRUE(waitUntil([&] { return posts >= 1; }));
  pump(150ms);
  sampling = false;
  sampler.join();
  EXPECT_EQ(posts, 1);
  EXPECT_LE(most.load(), 1);
  EXPECT_EQ(service().runningLoops(), 1);
}

TEST_F(Watcher, StopAndWaitOnTheMainThreadWhileTheWatcherWaitsForIt) {
  startAndSettle();
  SystemStyle::setOverride(QStringLiteral("Dark"));
  // The main thread does not turn its loop now, so the watcher finds the
  // change and waits in its hop to the main thread.
  std::this_thread::sleep_for(100ms);
  service().stopScanAndWait();  // must not wait for a thread that waits for us
  EXPECT_EQ(service().runningLoops(), 0);
  EXPECT_FALSE(service().isScanStarted());
  pump(50ms);
  EXPECT_EQ(posts, 0) << "an abandoned post must not run later";
  EXPECT_EQ(service().lastChoosenAppearance(), Appearance::kLight)
      << "an unannounced decision must not be recorded";
  // Starting again announces what was missed.
  CXServiceFunctions::appAppearance();
  ASSERT_TRUE(waitUntil([&] { return posts == 1; }));
  // Recorded by the watcher once the post has returned to it.
  EXPECT_TRUE(waitUntil([&] { return service().lastChoosenAppearance() == Appearance::kDark; }));
}

TEST_F(Watcher, ObserverMayResolveAndStopDuringThePost) {
  service().setLastChoosenAppearance(Appearance::kDark);
  std::vector<std::uint64_t> resolved;
  const auto connection =
      QObject::connect(&service().changes(), &AppearanceChanges::systemAppearanceDidChange, [&] {
        resolved.push_back(CXServiceFunctions::appAppearance());
        service().stopScanAndWait();  // from inside the watcher's own post
      });
  CXServiceFunctions::appAppearance();
  ASSERT_TRUE(waitUntil([&] { return posts == 1; }));
  ASSERT_TRUE(waitUntil([&] { return service().runningLoops() == 0; }));
  QObject::disconnect(connection);
  EXPECT_EQ(resolved, std::vector<std::uint64_t>{Appearance::kLight});
  EXPECT_FALSE(service().isScanStarted());
  CXServiceFunctions::appAppearance();
  EXPECT_EQ(service().runningLoops(), 1);
}

// The application's end in a real process: the program must finish, with the
// watcher stopped, whether it quits normally or while the watcher waits for it.
TEST(WatcherLifetime, EndsCleanlyWithTheApplication) {
  for (const char *mode : {"quit-while-watching", "quit-while-posting", "destroy-while-posting"}) {
    QProcess probe;
    probe.start(QStringLiteral(ORVELLA_SERVICES_PROBE), {QString::fromLatin1(mode)});
    ASSERT_TRUE(probe.waitForFinished(60000)) << mode << ": the program did not end";
    const QString out = QString::fromLocal8Bit(probe.readAllStandardOutput());
    EXPECT_EQ(probe.exitStatus(), QProcess::NormalExit) << mode;
    EXPECT_EQ(probe.exitCode(), 0) << mode << probe.readAllStandardError().toStdString();
    EXPECT_TRUE(out.contains(QLatin1String("loops=0 started=0")))
        << mode << ": " << out.toStdString();
    if (QLatin1String(mode) == QLatin1String("quit-while-watching")) {
      EXPECT_TRUE(out.contains(QLatin1String("posts=1"))) << out.toStdString();
    }
  }
}
