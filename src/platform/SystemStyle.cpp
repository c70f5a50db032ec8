#include "SystemStyle.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QObject>
#include <QThread>
#include <mutex>

#include "platform/SessionBusConnection.h"

namespace {

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kSettingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kNamespace = QStringLiteral("org.freedesktop.appearance");
const QString kKey = QStringLiteral("color-scheme");

// Long enough for a portal that is up, short enough that a missing or hung one
// does not hold up the first window noticeably.
constexpr int kPortalTimeoutMs = 300;

// Unwraps nested variants, as the portal's older Read method returns the
// value inside one variant more than ReadOne does.
QVariant unwrap(QVariant value) {
  while (value.metaType() == QMetaType::fromType<QDBusVariant>()) {
    value = qvariant_cast<QDBusVariant>(value).variant();
  }
  return value;
}

// The style a portal color-scheme value stands for.
std::optional<QString> styleFrom(const QVariant &raw) {
  bool ok = false;
  const uint scheme = unwrap(raw).toUInt(&ok);
  return ok ? SystemStyle::styleForColorScheme(scheme) : std::nullopt;
}

class Watcher;

struct State {
  std::mutex mutex;
  std::optional<QString> portalStyle;
  bool hasOverride = false;
  std::optional<QString> overrideStyle;
  bool hasEnvironment = false;
  std::optional<QString> environmentStyle;
  Watcher *watcher = nullptr;  // lives on the main thread; never deleted
};

State &state() {
  // Never destroyed: the appearance watcher may ask while the process exits.
  static State *const instance = new State;
  return *instance;
}

void setPortalStyle(std::optional<QString> style) {
  std::lock_guard lock(state().mutex);
  state().portalStyle = std::move(style);
}

// Receives the portal's SettingChanged signal on the main thread.
class Watcher : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;

 public slots:
  void settingChanged(const QString &nameSpace, const QString &key, const QDBusVariant &value) {
    if (nameSpace != kNamespace || key != kKey) {
      return;
    }
    setPortalStyle(styleFrom(value.variant()));
  }
};

std::optional<QString> readPortal(QDBusConnection &bus) {
  for (const QString &method : {QStringLiteral("ReadOne"), QStringLiteral("Read")}) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(kPortalService, kPortalPath, kSettingsInterface, method);
    call << kNamespace << kKey;
    const QDBusMessage reply = bus.call(call, QDBus::Block, kPortalTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
      if (reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.UnknownMethod")) {
        continue;  // an older portal without ReadOne
      }
      return std::nullopt;
    }
    return styleFrom(reply.arguments().constFirst());
  }
  return std::nullopt;
}

// Reads the portal and subscribes to its changes. Called without the mutex:
// the bus call may take up to the timeout.
void connectPortal() {
  std::optional<QDBusConnection> bus = SessionBus::connection();
  if (!bus) {
    setPortalStyle(std::nullopt);
    return;
  }
  QCoreApplication *app = QCoreApplication::instance();
  if (app != nullptr) {
    Watcher *watcher = nullptr;
    {
      std::lock_guard lock(state().mutex);
      if (state().watcher == nullptr) {
        state().watcher = new Watcher;
        // Signals arrive on the main thread's event loop.
        state().watcher->moveToThread(app->thread());
      }
      watcher = state().watcher;
    }
    // Subscribe before reading, so a change between the two is not lost.
    bus->disconnect(kPortalService, kPortalPath, kSettingsInterface,
                    QStringLiteral("SettingChanged"), watcher,
                    SLOT(settingChanged(QString, QString, QDBusVariant)));
    bus->connect(kPortalService, kPortalPath, kSettingsInterface, QStringLiteral("SettingChanged"),
                 watcher, SLOT(settingChanged(QString, QString, QDBusVariant)));
  }
  setPortalStyle(readPortal(*bus));
}

void initialiseOnce() {
  static std::once_flag once;
  std::call_once(once, [] {
    {
      std::lock_guard lock(state().mutex);
      if (qEnvironmentVariableIsSet("ORVELLA_INTERFACE_STYLE")) {
        state().hasEnvironment = true;
        const QString text = qEnvironmentVariable("ORVELLA_INTERFACE_STYLE");
        if (!text.isEmpty()) {
          state().environmentStyle = text;
        }
        return;
      }
    }
    connectPortal();
  });
}

}  // namespace

namespace SystemStyle {

std::optional<QString> styleForColorScheme(uint colorScheme) {
  if (colorScheme == 1) {
    return QStringLiteral("Dark");
  }
  return std::nullopt;  // 0 no preference, 2 prefer light, anything newer
}

std::optional<QString> interfaceStyle() {
  {
    std::lock_guard lock(state().mutex);
    if (state().hasOverride) {
      return state().overrideStyle;
    }
  }
  initialiseOnce();
  std::lock_guard lock(state().mutex);
  if (state().hasEnvironment) {
    return state().environmentStyle;
  }
  return state().portalStyle;
}

void setOverride(std::optional<QString> style) {
  std::lock_guard lock(state().mutex);
  state().hasOverride = true;
  state().overrideStyle = std::move(style);
}

void clearOverride() {
  std::lock_guard lock(state().mutex);
  state().hasOverride = false;
  state().overrideStyle.reset();
}

void reload() {
  initialiseOnce();
  connectPortal();
}

}  // namespace SystemStyle

#include "SystemStyle.moc"
