#pragma once

#include <QByteArray>
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

}  // namespace AtomicFile
