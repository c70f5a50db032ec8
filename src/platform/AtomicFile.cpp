#include "AtomicFile.h"

#include <QDir>
#include <QFileInfo>

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

Writer::Writer(const QString &path) : path_(path), file_(path) {
  // Never fall back to writing the target in place: a failure part-way would
  // leave a truncated file.
  file_.setDirectWriteFallback(false);
}

void Writer::fail(const QString &reason) {
  if (!error_) {
    error_ = path_.isEmpty() ? QStringLiteral(
                                   "Could not save the file: no file name was given. Choose "
                                   "a file name and try again.")
                             : failure(path_, reason);
  }
  if (opened_) {
    file_.cancelWriting();
  }
}

bool Writer::ensureOpen() {
  if (error_) {
    return false;
  }
  if (opened_) {
    return true;
  }
  if (path_.isEmpty()) {
    fail(QString());
    return false;
  }
  if (QFileInfo(path_).isDir()) {
    fail(QStringLiteral("it is a folder"));
    return false;
  }
  // Unbuffered, so that every short write reaches us: a buffered QFileDevice
  // can lose the tail of a short write at flush and still commit.
  if (!file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    fail(file_.errorString());
    return false;
  }
  opened_ = true;
  return true;
}

bool Writer::append(const char *data, qint64 size) {
  if (!ensureOpen()) {
    return false;
  }
  while (size > 0) {
    const qint64 written = file_.write(data, size);
    if (written <= 0) {
      fail(file_.errorString());
      return false;
    }
    data += written;
    size -= written;
  }
  return true;
}

std::optional<QString> Writer::commit() {
  if (!ensureOpen()) {
    return error_;
  }
  if (!file_.commit()) {
    opened_ = false;  // QSaveFile has already removed its temporary file
    fail(file_.errorString());
    return error_;
  }
  opened_ = false;
  return std::nullopt;
}

std::optional<QString> write(const QString &path, const QByteArray &bytes) {
  Writer writer(path);
  writer.append(bytes.constData(), bytes.size());
  return writer.commit();
}

}  // namespace AtomicFile
