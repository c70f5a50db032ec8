#include "Workspace.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/ProcFiles.h"

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
  QString path = QFile::decodeName(value);
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
    return QFile::decodeName(xdg);
  }
  const char *home = std::getenv("HOME");
  return home != nullptr && home[0] == '/'
             ? QFile::decodeName(home) + QLatin1String("/.local/share")
             : QString();
}

// The desktop entry that Flatpak exports for an installed app, user
// installation first, as the desktop itself searches them.
std::optional<QString> exportedFlatpakEntry(const QString &appId) {
  QStringList roots;
  if (QString data = userDataHome(); !data.isEmpty()) {
    roots << data + QLatin1String("/flatpak");
  }
  roots << QStringLiteral("/var/lib/flatpak");
  for (const QString &root : roots) {
    QString path = root + QLatin1String("/exports/share/applications/") + appId +
                   QLatin1String(kDesktopSuffix);
    if (QFileInfo(path).isFile()) {
      return path;
    }
  }
  return std::nullopt;
}

}  // namespace

Workspace &Workspace::sharedWorkspace() {
  static Workspace workspace;
  return workspace;
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

std::optional<RunningApplication> Workspace::runningApplication(pid_t pid) const {
  // Everything is read through the one directory handle: should the process
  // end meanwhile, the reads fail instead of landing on a process that took
  // over its id.
  procfiles::Fd dir(
      ::open(("/proc/" + std::to_string(pid)).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
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

  std::optional<QString> identifier;
  std::optional<QString> bundlePath;
  if (flatpakId) {
    identifier = flatpakId;
    bundlePath = launched && desktopEntryId(*launched) == *flatpakId
                     ? launched
                     : exportedFlatpakEntry(*flatpakId);
  } else if (launched) {
    identifier = desktopEntryId(*launched);
    bundlePath = launched;
  }
  return RunningApplication(pid, stat->startTime, identifier, bundlePath);
}

std::vector<RunningApplication> Workspace::runningApplications() const {
  std::vector<pid_t> pids;
  if (DIR *proc = ::opendir("/proc")) {
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
    if (auto application = runningApplication(pid)) {
      applications.push_back(std::move(*application));
    }
  }
  return applications;
}

bool Workspace::openURL(const QUrl &url) const { return QDesktopServices::openUrl(url); }
