// The parts that talk to the desktop over D-Bus, against a private session bus
// started for this program: the interface style from a portal that this test
// plays, and desktop notifications received by a notification server that this
// test plays. The program under test uses its ordinary session-bus connection.
#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusVariant>
#include <QProcess>
#include <QThread>
#include <atomic>
#include <mutex>

#include "TestSupport.h"
#include "platform/Defaults.h"
#include "platform/DesktopNotifications.h"
#include "platform/SystemStyle.h"
#include "services/CXServiceFunctions.h"

using testsupport::pump;
using testsupport::waitUntil;
using namespace std::chrono_literals;

namespace {

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kNotificationsService = QStringLiteral("org.freedesktop.Notifications");
const QString kNotificationsPath = QStringLiteral("/org/freedesktop/Notifications");

QString busAddress;

// A dbus-daemon of our own for the whole program, so that no test reaches the
// developer's desktop and every test finds the same empty bus.
class PrivateBus : public testsupport::PrivateSessionBus {
 public:
  void SetUp() override {
    testsupport::PrivateSessionBus::SetUp();
    busAddress = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    qunsetenv("ORVELLA_INTERFACE_STYLE");
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected());
  }
};

const auto *const privateBus = ::testing::AddGlobalTestEnvironment(new PrivateBus);

QDBusConnection serverConnection(const QString &name) {
  return QDBusConnection::connectToBus(busAddress, name);
}

}  // namespace

// The current portal interface, with ReadOne.
class FakePortal : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
 public:
  std::atomic<uint> scheme{1};

 public slots:
  QDBusVariant ReadOne(const QString &nameSpace, const QString &key) {
    if (nameSpace != QLatin1String("org.freedesktop.appearance") ||
        key != QLatin1String("color-scheme")) {
      return QDBusVariant(QString());
    }
    return QDBusVariant(scheme.load());
  }
  void announce(const QString &nameSpace, const QString &key, uint value) {
    emit SettingChanged(nameSpace, key, QDBusVariant(value));
  }

 signals:
  void SettingChanged(const QString &nameSpace, const QString &key, const QDBusVariant &value);
};

// An older portal that only has Read, which wraps the value in one variant more.
class OldFakePortal : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
 public:
  std::atomic<uint> scheme{1};

 public slots:
  QDBusVariant Read(const QString &, const QString &) {
    return QDBusVariant(QVariant::fromValue(QDBusVariant(scheme.load())));
  }
};

class FakeNotificationServer : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
 public:
  struct Received {
    QString appName, summary, body;
    QStringList actions;
    QVariantMap hints;
  };
  std::vector<Received> received;

 public slots:
  uint Notify(const QString &appName, uint, const QString &, const QString &summary,
              const QString &body, const QStringList &actions, const QVariantMap &hints, int) {
    received.push_back({appName, summary, body, actions, hints});
    return uint(received.size());
  }
};

// Serves a portal object from a thread of its own: the program reads the
// portal with a blocking call, which a server on the main thread could not answer.
template <typename Portal>
class PortalServer {
 public:
  PortalServer() : connection_(serverConnection(QStringLiteral("portal-%1").arg(++count_))) {
    // Registered first: QtDBus gives the object a helper child, which has to
    // be made in the object's thread and then moves along with it.
    EXPECT_TRUE(connection_.registerObject(
        kPortalPath, &portal, QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals));
    EXPECT_TRUE(connection_.registerService(kPortalService));
    thread_.start();
    portal.moveToThread(&thread_);
  }
  ~PortalServer() {
    QThread *home = QThread::currentThread();
    QMetaObject::invokeMethod(
        &portal, [this, home] { portal.moveToThread(home); }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
    connection_.unregisterService(kPortalService);
    connection_.unregisterObject(kPortalPath);
    QDBusConnection::disconnectFromBus(connection_.name());
  }
  Portal portal;

 private:
  static inline int count_ = 0;
  QDBusConnection connection_;
  QThread thread_;
};

TEST(PortalStyle, ReadOnceThenFollowedThroughSettingChanged) {
  PortalServer<FakePortal> server;
  SystemStyle::clearOverride();
  SystemStyle::reload();
  EXPECT_EQ(SystemStyle::interfaceStyle(), QStringLiteral("Dark"));

  auto announce = [&](const QString &nameSpace, const QString &key, uint value) {
    QMetaObject::invokeMethod(&server.portal, [&, nameSpace, key, value] {
      server.portal.announce(nameSpace, key, value);
    });
  };
  announce(QStringLiteral("org.freedesktop.appearance"), QStringLiteral("color-scheme"), 2);
  EXPECT_TRUE(waitUntil([] { return !SystemStyle::interfaceStyle().has_value(); }));
  // Other settings of the portal change nothing.
  announce(QStringLiteral("org.freedesktop.appearance"), QStringLiteral("accent-color"), 1);
  announce(QStringLiteral("org.gnome.desktop.interface"), QStringLiteral("color-scheme"), 1);
  pump(100ms);
  EXPECT_EQ(SystemStyle::interfaceStyle(), std::nullopt);
  announce(QStringLiteral("org.freedesktop.appearance"), QStringLiteral("color-scheme"), 1);
  EXPECT_TRUE(waitUntil([] { return SystemStyle::interfaceStyle() == QStringLiteral("Dark"); }));
}

TEST(PortalStyle, TheWatcherAnnouncesAPortalSwitchOnce) {
  PortalServer<FakePortal> server;
  server.portal.scheme = 0;
  SystemStyle::clearOverride();
  SystemStyle::reload();
  Defaults::standard().remove(AppearanceNames::kAppearanceTypeKey);
  auto &service = CXServiceFunctions::sharedService();
  service.setLastChoosenAppearance(CXServiceFunctions::appAppearance());
  ASSERT_EQ(service.lastChoosenAppearance(), Appearance::kLight);
  int posts = 0;
  const auto connection = QObject::connect(
      &service.changes(), &AppearanceChanges::systemAppearanceDidChange, [&] { ++posts; });
  QMetaObject::invokeMethod(&server.portal, [&] {
    server.portal.announce(QStringLiteral("org.freedesktop.appearance"),
                           QStringLiteral("color-scheme"), 1);
  });
  EXPECT_TRUE(waitUntil([&] { return posts >= 1; }));
  pump(100ms);
  EXPECT_EQ(posts, 1);
  EXPECT_EQ(service.lastChoosenAppearance(), Appearance::kDark);
  QObject::disconnect(connection);
  service.stopScanAndWait();
}

TEST(PortalStyle, OlderPortalWithoutReadOne) {
  PortalServer<OldFakePortal> server;
  SystemStyle::clearOverride();
  SystemStyle::reload();
  EXPECT_EQ(SystemStyle::interfaceStyle(), QStringLiteral("Dark"));
}

TEST(PortalStyle, NoPortalMeansNoStyle) {
  SystemStyle::clearOverride();
  SystemStyle::reload();
  EXPECT_EQ(SystemStyle::interfaceStyle(), std::nullopt);
}

class DesktopNotification : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(
        connection_.registerObject(kNotificationsPath, &server, QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(connection_.registerService(kNotificationsService));
  }
  void TearDown() override {
    connection_.unregisterService(kNotificationsService);
    connection_.unregisterObject(kNotificationsPath);
    QDBusConnection::disconnectFromBus(connection_.name());
  }
  FakeNotificationServer server;

 private:
  QDBusConnection connection_ = serverConnection(QStringLiteral("notifications"));
};

// The backup service's failure unit runs the program so: the notification
// reaches the desktop before the process ends, and points at the journal.
TEST_F(DesktopNotification, AFailedBackupIsToldBeforeTheProgramEnds) {
  QProcess notifier;
  notifier.start(QStringLiteral(ORVELLA_EXPORTER), {QStringLiteral("--notify-backup-failure")});
  ASSERT_TRUE(notifier.waitForStarted());
  ASSERT_TRUE(waitUntil([&] { return notifier.state() == QProcess::NotRunning; }));
  EXPECT_EQ(notifier.exitCode(), 0) << notifier.readAllStandardError().toStdString();
  ASSERT_EQ(server.received.size(), 1u);
  const auto &told = server.received[0];
  EXPECT_EQ(told.appName, QStringLiteral("Orvella Exporter"));
  EXPECT_EQ(told.summary, QStringLiteral("The backup of your feeds failed"));
  EXPECT_TRUE(told.body.contains(QStringLiteral("journalctl --user -u orvella-exporter-backup")))
      << told.body.toStdString();
  EXPECT_TRUE(told.actions.isEmpty()) << "no action button";
  EXPECT_EQ(told.hints.value(QStringLiteral("sound-name")).toString(),
            QStringLiteral("message-new-instant"));
}

TEST(DesktopNotificationWithoutServer, AFailedBackupWithNoOneToTellEndsQuietly) {
  QProcess notifier;
  notifier.start(QStringLiteral(ORVELLA_EXPORTER), {QStringLiteral("--notify-backup-failure")});
  ASSERT_TRUE(notifier.waitForFinished(30'000));
  EXPECT_EQ(notifier.exitCode(), 0);
  EXPECT_EQ(notifier.readAllStandardError(), QByteArray());
}

#include "DBusTests.moc"
