#include "Workspace.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <map>
#include <string>

#include "platform/FileNames.h"
#include "platform/ProcFiles.h"
#include "platform/SessionBusConnection.h"

namespace {

constexpr char kDesktopSuffix[] = ".desktop";

// The variables of one process's initial environment that name its application.
struct LaunchEnvironment {
  QByteArray flatpakId;
  QByteArray launchedDesktopFile;
  QByteArray launchedDesktopFilePid;
  QByteArray bamfDesktopFileHint;
};

// Like getenv, the first definition of a name wins.
LaunchEnvironment parseEnvironment(const QByteArray &environ) {
  LaunchEnvironment env;
  bool seenFlatpak = false, seenLaunched = false, seenLaunchedPid = false, seenBamf = false;
  auto take = [](const QByteArray &entry, const char *prefix, bool &seen, QByteArray &out) {
    if (!seen && entry.startsWith(prefix)) {
      seen = true;
      out = entry.mid(static_cast<qsizetype>(std::char_traits<char>::length(prefix)));
    }
  };
  for (const QByteArray &entry : environ.split('\0')) {
    take(entry, "FLATPAK_ID=", seenFlatpak, env.flatpakId);
    take(entry, "GIO_LAUNCHED_DESKTOP_FILE=", seenLaunched, env.launchedDesktopFile);
    take(entry, "GIO_LAUNCHED_DESKTOP_FILE_PID=", seenLaunchedPid, env.launchedDesktopFilePid);
    take(entry, "BAMF_DESKTOP_FILE_HINT=", seenBamf, env.bamfDesktopFileHint);
  }
  return env;
}

bool isPlainAppId(const QString &id) {
  return !id.isEmpty() && !id.contains(QLatin1Char('/')) && id != QLatin1String(".") &&
         id != QLatin1String("..");
}

// An absolute path to a file named <something>.desktop, or absent.
std::optional<QString> desktopEntryPath(const QByteArray &value) {
  if (value.isEmpty() || !value.startsWith('/')) {
    return std::nullopt;
  }
  QString path = FileNames::decode(value);
  QString name = QFileInfo(path).fileName();
  if (!name.endsWith(QLatin1String(kDesktopSuffix)) ||
      name.size() <= static_cast<qsizetype>(sizeof(kDesktopSuffix) - 1)) {
    return std::nullopt;
  }
  return path;
}

QString desktopEntryId(const QString &path) {
  QString name = QFileInfo(path).fileName();
  name.chop(static_cast<qsizetype>(sizeof(kDesktopSuffix) - 1));
  return name;
}

// The desktop entry this very process was started from. gio passes the entry
// on to every descendant of the launched program, and records which process it
// launched; a descendant (a helper, a shell in a terminal, a program started
// from the application) is not that application.
std::optional<QString> launchedDesktopEntry(const LaunchEnvironment &env, pid_t pid) {
  if (auto path = desktopEntryPath(env.launchedDesktopFile)) {
    if (env.launchedDesktopFilePid.isEmpty() ||
        env.launchedDesktopFilePid == QByteArray::number(pid)) {
      return path;
    }
    return std::nullopt;
  }
  return desktopEntryPath(env.bamfDesktopFileHint);
}

QString userDataHome() {
  const char *xdg = std::getenv("XDG_DATA_HOME");
  if (xdg != nullptr && xdg[0] == '/') {
    return FileNames::decode(xdg);
  }
  const char *home = std::getenv("HOME");
  return home != nullptr && home[0] == '/'
             ? FileNames::decode(home) + QLatin1String("/.local/share")
             : QString();
}

// The first <root><folder><appId>.desktop that is a file.
std::optional<QString> firstEntry(const QStringList &roots, const QString &folder,
                                  const QString &appId) {
  for (const QString &root : roots) {
    QString path = root + folder + appId + QLatin1String(kDesktopSuffix);
    if (FileNames::isFile(path)) return path;
  }
  return std::nullopt;
}

// The desktop entry that Flatpak exports for an installed app, user
// installation first, as the desktop itself searches them.
std::optional<QString> exportedFlatpakEntry(const QString &appId) {
  QStringList roots;
  if (QString data = userDataHome(); !data.isEmpty()) roots << data + QLatin1String("/flatpak");
  roots << QStringLiteral("/var/lib/flatpak");
  return firstEntry(roots, QStringLiteral("/exports/share/applications/"), appId);
}

// Undoes systemd's unit-name escaping: every byte that may not stand in a
// unit name (among them '-', which separates the name's parts) is \xNN.
QString unescapeUnitName(const QByteArray &escaped) {
  QByteArray bytes;
  for (qsizetype i = 0; i < escaped.size(); ++i) {
    if (escaped[i] == '\\' && i + 3 < escaped.size() && escaped[i + 1] == 'x') {
      bool ok = false;
      const int byte = escaped.mid(i + 2, 2).toInt(&ok, 16);
      if (ok) {
        bytes.append(static_cast<char>(byte));
        i += 3;
        continue;
      }
    }
    bytes.append(escaped[i]);
  }
  return QString::fromUtf8(bytes);
}

// The app id in the name of a unit that a desktop started an application in:
// app-[<launcher>-]<app id>[@<random>].service or
// app-[<launcher>-]<app id>-<random>.scope, '-' inside the parts escaped.
std::optional<QString> appIdFromUnit(QByteArray unit) {
  if (!unit.startsWith("app-")) {
    return std::nullopt;
  }
  unit.remove(0, 4);
  bool scope = false;
  if (unit.endsWith(".service")) {
    unit.chop(8);
    if (const qsizetype at = unit.indexOf('@'); at >= 0) {
      unit.truncate(at);
    }
  } else if (unit.endsWith(".scope")) {
    unit.chop(6);
    scope = true;
  } else {
    return std::nullopt;
  }
  QList<QByteArray> parts = unit.split('-');
  if (scope) {
    if (parts.size() < 2) {
      return std::nullopt;
    }
    parts.removeLast();
  }
  if (parts.size() > 2) {
    return std::nullopt;
  }
  QString id = unescapeUnitName(parts.last());
  return isPlainAppId(id) ? std::optional<QString>(id) : std::nullopt;
}

// A list of XDG base folders ($XDG_DATA_DIRS and the like): the variable's
// absolute entries, or the fallback when it names none.
QStringList xdgDirs(const char *variable, const QStringList &fallback) {
  QStringList dirs;
  for (const QString &dir : FileNames::decode(qgetenv(variable)).split(QLatin1Char(':'))) {
    if (dir.startsWith(QLatin1Char('/'))) dirs << dir;
  }
  return dirs.isEmpty() ? fallback : dirs;
}

// The first applications/<appId>.desktop along $XDG_DATA_HOME and
// $XDG_DATA_DIRS, as the desktop looks desktop entries up.
std::optional<QString> desktopEntryForAppId(const QString &appId) {
  if (!isPlainAppId(appId)) {
    return std::nullopt;
  }
  QStringList roots;
  if (QString data = userDataHome(); !data.isEmpty()) roots << data;
  roots << xdgDirs("XDG_DATA_DIRS",
                   {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")});
  return firstEntry(roots, QStringLiteral("/applications/"), appId);
}

// The process that owns this name on the session bus; absent without a bus
// or an owner.
std::optional<pid_t> sessionBusOwner(const QString &name) {
  std::optional<QDBusConnection> bus = SessionBus::connection();
  if (!bus || bus->interface() == nullptr) {
    return std::nullopt;
  }
  const QDBusReply<uint> pid = bus->interface()->servicePid(name);
  if (!pid.isValid() || pid.value() == 0) {
    return std::nullopt;
  }
  return static_cast<pid_t>(pid.value());
}

// The session-bus owners of the ids, by process id.
std::map<pid_t, QString> busOwners(const QStringList &ids) {
  std::map<pid_t, QString> owners;
  for (const QString &id : ids) {
    if (auto pid = sessionBusOwner(id)) owners.emplace(*pid, id);
  }
  return owners;
}

}  // namespace

Workspace &Workspace::sharedWorkspace() {
  static Workspace workspace(QStringLiteral("/proc"));
  return workspace;
}

Workspace::Workspace(QString procRoot) : procRoot_(std::move(procRoot)) {}

std::optional<QString> Workspace::appIdFromCgroup(const QByteArray &cgroup) {
  for (const QByteArray &line : cgroup.split('\n')) {
    // hierarchy:controllers:path; the unified hierarchy (controllers empty)
    // or the named systemd one carry systemd's units.
    const qsizetype first = line.indexOf(':');
    const qsizetype second = first < 0 ? -1 : line.indexOf(':', first + 1);
    if (second < 0) continue;
    const QByteArray controllers = line.mid(first + 1, second - first - 1);
    if (!controllers.isEmpty() && controllers != "name=systemd") continue;
    const QList<QByteArray> path = line.mid(second + 1).split('/');
    for (auto it = path.crbegin(); it != path.crend(); ++it) {
      if (auto id = appIdFromUnit(*it)) return id;
    }
  }
  return std::nullopt;
}

bool Workspace::activateApplication(const QString &appId) {
  if (!isPlainAppId(appId)) {
    return false;
  }
  std::optional<QDBusConnection> bus = SessionBus::connection();
  if (!bus) {
    return false;
  }
  // The object path the freedesktop application interface derives from the id.
  QString path = QLatin1Char('/') + appId;
  path.replace(QLatin1Char('.'), QLatin1Char('/')).replace(QLatin1Char('-'), QLatin1Char('_'));
  QDBusMessage call = QDBusMessage::createMethodCall(
      appId, path, QStringLiteral("org.freedesktop.Application"), QStringLiteral("Activate"));
  // Never let the bus start the application: only a running one is asked.
  call.setAutoStartService(false);
  call << QVariantMap();  // platform-data: a{sv}
  const QDBusMessage reply = bus->call(call, QDBus::Block, 2000);
  return reply.type() == QDBusMessage::ReplyMessage;
}

std::optional<QString> Workspace::flatpakAppIdFromInfo(const QByteArray &info) {
  bool inApplication = false;
  for (QByteArray line : info.split('\n')) {
    line = line.trimmed();
    if (line.startsWith('[')) {
      inApplication = line == "[Application]";
    } else if (inApplication && line.startsWith("name")) {
      QByteArray rest = line.mid(4).trimmed();
      if (rest.startsWith('=')) {
        QString id = QString::fromUtf8(rest.mid(1).trimmed());
        return isPlainAppId(id) ? std::optional<QString>(id) : std::nullopt;
      }
    }
  }
  return std::nullopt;
}

std::optional<RunningApplication> Workspace::runningApplication(
    pid_t pid, const QStringList &busApplicationIds) const {
  return runningApplication(pid, busOwners(busApplicationIds));
}

std::optional<RunningApplication> Workspace::runningApplication(
    pid_t pid, const std::map<pid_t, QString> &busOwners) const {
  // Everything is read through the one directory handle: should the process
  // end meanwhile, the reads fail instead of landing on a process that took
  // over its id.
  procfiles::Fd dir(
      ::open(QFile::encodeName(procRoot_ + QLatin1Char('/') + QString::number(pid)).constData(),
             O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!dir.valid()) {
    return std::nullopt;
  }
  struct stat info {};
  if (::fstat(dir.get(), &info) != 0 || info.st_uid != ::getuid()) {
    return std::nullopt;
  }
  auto stat = procfiles::readStat(dir.get());
  if (!stat || stat->isKernelThread || stat->state == 'Z' || stat->state == 'X') {
    return std::nullopt;
  }
  auto environ = procfiles::readAll(dir.get(), "environ");
  if (!environ) {
    return std::nullopt;
  }
  LaunchEnvironment env = parseEnvironment(*environ);
  std::optional<QString> launched = launchedDesktopEntry(env, pid);

  std::optional<QString> flatpakId;
  if (QString id = QString::fromUtf8(env.flatpakId); isPlainAppId(id)) {
    flatpakId = id;
  } else if (auto info = procfiles::readAll(dir.get(), "root/.flatpak-info")) {
    flatpakId = flatpakAppIdFromInfo(*info);
  }

  // The id the desktop started the application under, first match wins.
  std::optional<QString> appId = flatpakId;
  if (!appId) {
    if (auto cgroup = procfiles::readAll(dir.get(), "cgroup")) appId = appIdFromCgroup(*cgroup);
  }
  if (!appId) {
    if (auto owner = busOwners.find(pid); owner != busOwners.end()) appId = owner->second;
  }

  std::optional<QString> identifier;
  std::optional<QString> bundlePath;
  if (appId) {
    identifier = appId;
    // The entry it was launched from when that is the app's own; else the one
    // the desktop would find for the id.
    if (launched && desktopEntryId(*launched) == *appId) {
      bundlePath = launched;
    } else if (flatpakId) {
      bundlePath = exportedFlatpakEntry(*appId);
    }
    if (!bundlePath) bundlePath = desktopEntryForAppId(*appId);
  } else if (launched) {
    identifier = desktopEntryId(*launched);
    bundlePath = launched;
  }
  return RunningApplication(pid, stat->startTime, identifier, bundlePath);
}

std::vector<RunningApplication> Workspace::runningApplications(
    const QStringList &busApplicationIds) const {
  const std::map<pid_t, QString> owners = busOwners(busApplicationIds);
  std::vector<pid_t> pids;
  if (DIR *proc = ::opendir(QFile::encodeName(procRoot_).constData())) {
    while (const dirent *entry = ::readdir(proc)) {
      char *end = nullptr;
      long pid = std::strtol(entry->d_name, &end, 10);
      if (end != entry->d_name && *end == '\0' && pid > 0) {
        pids.push_back(static_cast<pid_t>(pid));
      }
    }
    ::closedir(proc);
  }
  std::sort(pids.begin(), pids.end());

  std::vector<RunningApplication> applications;
  applications.reserve(pids.size());
  for (pid_t pid : pids) {
    if (auto application = runningApplication(pid, owners)) {
      applications.push_back(std::move(*application));
    }
  }
  return applications;
}

bool Workspace::openURL(const QUrl &url) const { return QDesktopServices::openUrl(url); }

bool Workspace::activateFileViewerSelectingURL(const QUrl &file) const {
  if (std::optional<QDBusConnection> bus = SessionBus::connection()) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    // The bus may start a file manager that is installed but not running.
    call << QStringList{file.toString(QUrl::FullyEncoded)} << QString();
    if (bus->call(call, QDBus::Block, 5000).type() == QDBusMessage::ReplyMessage) return true;
  }
  return openURL(file.adjusted(QUrl::RemoveFilename | QUrl::StripTrailingSlash));
}
