#include "StandardStreams.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "app/ExitStatus.h"

void printLine(FILE *stream, const QString &text) {
  const QByteArray bytes = text.toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
  std::fputc('\n', stream);
  std::fflush(stream);
}

std::optional<QString> writeAll(int fd, const char *data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      if (errno == EAGAIN || errno == EWOULDBLOCK) {
        pollfd p{fd, POLLOUT, 0};
        if (::poll(&p, 1, -1) >= 0 || errno == EINTR) continue;
      }
      return QString::fromLocal8Bit(std::strerror(errno));
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return std::nullopt;
}

std::optional<QString> writeStdout(const QByteArray &bytes) {
  std::fflush(stdout);
  return writeAll(STDOUT_FILENO, bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

int stdoutStatus(const std::optional<QString> &error, const char *what) {
  if (!error) return ExitStatus::kOk;
  printLine(stderr, QStringLiteral("Could not write the %1 to standard output: %2.")
                        .arg(QLatin1String(what), *error));
  return ExitStatus::kWriteFailed;
}

int printToStdout(const QString &text, const char *what) {
  return stdoutStatus(writeStdout(text.toUtf8() + '\n'), what);
}
