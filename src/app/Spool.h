#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtGlobal>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "app/StandardStreams.h"
#include "export/WrittenFileCheck.h"
#include "platform/TemporaryFolder.h"

// Standard output is only written once the read has succeeded, so that a
// failed read prints no half document or list; until then the output waits
// in a file without a name in the temporary folder, which keeps memory use
// flat however many feeds there are, and vanishes with the process.
class Spool {
 public:
  Spool() {
    const std::optional<std::string> temporary = TemporaryFolder::path();
    if (!temporary) {
      noFolder_ = true;
      error_ = TemporaryFolder::unavailableSentence().english();
      return;
    }
    const QByteArray folder = QByteArray::fromStdString(*temporary);
    fd_ = ::open(folder.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    // Only a folder that knows no unnamed files gets a named one instead; a
    // folder that failed otherwise (a disk error, no room) says so.
    if (fd_ < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
      QByteArray name = folder + "/orvella-XXXXXX";
      fd_ = ::mkostemp(name.data(), O_CLOEXEC);
      if (fd_ >= 0) ::unlink(name.constData());
    }
    if (fd_ < 0) error_ = QString::fromLocal8Bit(std::strerror(errno));
  }
  ~Spool() {
    if (fd_ >= 0) ::close(fd_);
  }
  Spool(const Spool &) = delete;
  Spool &operator=(const Spool &) = delete;

  bool append(const char *data, qsizetype size) {
    if (error_) return false;
    if (auto error = writeAll(fd_, data, static_cast<std::size_t>(size))) {
      error_ = error;
      return false;
    }
    return true;
  }
  // Forgets what was kept, for output that starts over.
  bool rewind() {
    if (error_) return false;
    if (::ftruncate(fd_, 0) != 0 || ::lseek(fd_, 0, SEEK_SET) != 0) {
      error_ = QString::fromLocal8Bit(std::strerror(errno));
      return false;
    }
    return true;
  }
  // The reason the spool failed, as a sentence naming the temporary folder.
  std::optional<QString> error() const {
    if (!error_) return std::nullopt;
    if (noFolder_) return error_;
    return QStringLiteral(
               "Could not keep the output in the temporary folder \"%1\" until the read was "
               "complete: %2. Make room there, or set TMPDIR to a folder with room, and try "
               "again.")
        .arg(TemporaryFolder::shown(), *error_);
  }
  // Reads what was kept back as an OPML document and compares it with what
  // was written; nothing when the two agree, else the sentence.
  std::optional<QString> check(const WrittenFeeds &written) {
    if (::lseek(fd_, 0, SEEK_SET) != 0) return QString::fromLocal8Bit(std::strerror(errno));
    QFile file;
    if (!file.open(fd_, QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
      return QStringLiteral("The export could not be read back to check it.");
    }
    return checkWrittenDocument(file, QStringLiteral("The export"), written);
  }
  // Copies everything to standard output and returns the exit status; a
  // copy that fails says why, naming `what` was written ("the list").
  int copyToStdout(const char *what) { return stdoutStatus(copy(), what); }

 private:
  // The system's reason when the copy to standard output fails.
  std::optional<QString> copy() {
    std::fflush(stdout);
    if (::lseek(fd_, 0, SEEK_SET) != 0) return QString::fromLocal8Bit(std::strerror(errno));
    std::vector<char> buffer(1 << 16);
    for (;;) {
      const ssize_t n = ::read(fd_, buffer.data(), buffer.size());
      if (n == 0) return std::nullopt;
      if (n < 0) {
        if (errno == EINTR) continue;
        return QString::fromLocal8Bit(std::strerror(errno));
      }
      if (auto error = writeAll(STDOUT_FILENO, buffer.data(), static_cast<std::size_t>(n))) {
        return error;
      }
    }
  }

  int fd_ = -1;
  bool noFolder_ = false;
  std::optional<QString> error_;
};
