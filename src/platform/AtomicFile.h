#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>
#include <optional>

// Writes whole files or nothing: the bytes go to a temporary file beside the
// target, which replaces the target only once everything was written.
namespace AtomicFile {

// Writes bytes to path. Returns nothing on success, else a sentence for the
// user that names the path, gives the system's reason and says what to do.
// A failed write leaves the target as it was (absent or with its old content)
// and no temporary file behind.
std::optional<QString> write(const QString &path, const QByteArray &bytes);

// The same, for content that arrives piece by piece. Nothing is visible at
// path until commit() succeeds; a writer destroyed without a successful
// commit removes its temporary file.
class Writer {
 public:
  explicit Writer(const QString &path);
  Writer(const Writer &) = delete;
  Writer &operator=(const Writer &) = delete;

  // Appends bytes; false once anything has failed (the first reason is kept
  // for commit()). Opens the temporary file on first use.
  bool append(const char *data, qint64 size);

  // Replaces the target with everything appended. Returns nothing on
  // success, else the sentence for the first failure.
  std::optional<QString> commit();

 private:
  bool ensureOpen();
  void fail(const QString &reason);

  QString path_;
  QSaveFile file_;
  bool opened_ = false;
  std::optional<QString> error_;
};

}  // namespace AtomicFile
