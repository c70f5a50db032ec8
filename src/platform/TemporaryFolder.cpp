#include "TemporaryFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cstdlib>

namespace TemporaryFolder {

namespace {

bool usable(const char *folder) {
  struct stat info {};
  return folder != nullptr && folder[0] == '/' && ::stat(folder, &info) == 0 &&
         S_ISDIR(info.st_mode) && ::access(folder, W_OK | X_OK) == 0;
}

}  // namespace

std::optional<std::string> path() {
  const char *fromEnvironment = std::getenv("TMPDIR");
  if (fromEnvironment != nullptr && *fromEnvironment != '\0' && usable(fromEnvironment)) {
    std::string folder(fromEnvironment);
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
  }
  if (usable("/tmp")) return std::string("/tmp");
  return std::nullopt;
}

Sentence unavailableSentence() {
  const char *fromEnvironment = std::getenv("TMPDIR");
  if (fromEnvironment != nullptr && *fromEnvironment != '\0') {
    return Sentence(
               QT_TRANSLATE_NOOP(
                   "CXInterfaceString",
                   "There is no temporary folder to write to: TMPDIR names \"%1\", which is not a "
                   "folder you may write to, and neither is /tmp. Set TMPDIR to such a folder and "
                   "try again."))
        .arg(QFile::decodeName(fromEnvironment));
  }
  return Sentence(QT_TRANSLATE_NOOP(
      "CXInterfaceString",
      "There is no temporary folder to write to: /tmp is not a folder you may write to. Set "
      "TMPDIR to such a folder and try again."));
}

QString shown() {
  const std::optional<std::string> folder = path();
  return folder ? QFile::decodeName(folder->c_str()) : QStringLiteral("/tmp");
}

}  // namespace TemporaryFolder
