#include "AtomicFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace AtomicFile {

namespace {

QString failure(const QString &path, const QString &reason) {
  QString why = reason.trimmed();
  while (why.endsWith(QLatin1Char('.'))) {
    why.chop(1);
  }
  return QStringLiteral(
             "Could not save \"%1\": %2. Choose a folder you may write to that has room for "
             "the file, and try again.")
      .arg(QDir::toNativeSeparators(path), why);
}

}  // namespace

std::optional<QString> write(const QString &path, const QByteArray &bytes) {
  if (path.isEmpty()) {
    return QStringLiteral(
        "Could not save the file: no file name was given. Choose a file name "
        "and try again.");
  }
  const QFileInfo info(path);
  if (info.isDir()) {
    return failure(path, QStringLiteral("it is a folder"));
  }
  QSaveFile file(path);
  // Never fall back to writing the target in place: a failure part-way would
  // leave a truncated file.
  file.setDirectWriteFallback(false);
  // Unbuffered, so that every short write reaches us: a buffered QFileDevice
  // can lose the tail of a short write at flush and still commit.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    return failure(path, file.errorString());
  }
  const char *data = bytes.constData();
  qint64 remaining = bytes.size();
  while (remaining > 0) {
    const qint64 written = file.write(data, remaining);
    if (written <= 0) {
      const QString reason = file.errorString();
      file.cancelWriting();
      return failure(path, reason);
    }
    data += written;
    remaining -= written;
  }
  if (!file.commit()) {
    return failure(path, file.errorString());
  }
  return std::nullopt;
}

}  // namespace AtomicFile
