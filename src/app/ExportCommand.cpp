#include "app/ExportCommand.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <functional>
#include <optional>

#include "app/ExitStatus.h"
#include "app/Reports.h"
#include "app/Spool.h"
#include "app/StandardStreams.h"
#include "export/ExportPass.h"
#include "export/ReadBackCheck.h"
#include "export/SecretAddresses.h"
#include "platform/AtomicFile.h"
#include "store/FeedDatabase.h"

namespace fs = std::filesystem;

namespace {

// Only for showing a name; the bytes themselves go to the system.
QString shown(const QByteArray &bytes) { return QFile::decodeName(bytes); }

const QString kNothingExported = QStringLiteral(" Nothing was exported.");

// Every feed of the database through pass, counting those whose address
// carries a name, password or key (the file gives them away to whoever gets
// it). A read that starts over calls onRestart and starts the pass over; the
// read stops early when the pass's sink, or keepGoing, says no.
ReadResult readInto(
    const fs::path &database, ExportPass &pass, std::size_t &secrets,
    const std::function<void()> &onRestart,
    const std::function<bool()> &keepGoing = [] { return true; }) {
  ReadOptions options;
  options.onRestart = [&] {
    onRestart();
    pass.restart();
    secrets = 0;
  };
  return forEachFeedRowAt(
      database,
      [&](const FeedRow &row) {
        secrets += SecretAddresses::carriesSecret(row) ? 1 : 0;
        return pass.add(row) && keepGoing();
      },
      options);
}

void saySecrets(std::size_t feeds) {
  if (feeds == 0) return;
  printLine(stderr, QStringLiteral("Warning: %1 of the exported feeds carry a user name, "
                                   "password or key in their address; anyone who gets the file "
                                   "can use them.")
                        .arg(feeds));
}

// Whether both descriptors are the same terminal, as when a user runs us in
// one without redirecting either.
bool sameTerminal(int a, int b) {
  struct stat first = {};
  struct stat second = {};
  return ::isatty(a) && ::isatty(b) && ::fstat(a, &first) == 0 && ::fstat(b, &second) == 0 &&
         first.st_rdev == second.st_rdev;
}

int exportToStdout(const fs::path &database) {
  if (stdoutIsTheDatabase(database)) return ExitStatus::kUsage;
  Spool spool;
  ExportPass pass(
      [&spool](const char *bytes, qsizetype size) { return spool.append(bytes, size); });
  std::size_t secrets = 0;
  const ReadResult read = readInto(database, pass, secrets, [&spool] { spool.rewind(); });
  if (read.status != ReadStatus::Stopped && !read.ok()) return readFailed(read, kNothingExported);
  const WrittenFeeds written = pass.written();
  std::move(pass).finish();
  if (auto error = spool.error()) {
    printLine(stderr, *error + kNothingExported);
    return ExitStatus::kWriteFailed;
  }
  // What goes to standard output cannot be read back there; it is checked
  // on its way.
  if (auto mismatch = spool.check(written)) {
    printLine(stderr, *mismatch + QStringLiteral(" Nothing was written to standard output."));
    return ExitStatus::kNotAsWritten;
  }
  if (const int status = spool.copyToStdout("export")) return status;
  sayRepaired(read);
  saySecrets(secrets);
  // The document ends without a line feed; on a shared terminal the summary
  // would otherwise run on from its last line.
  const QString lineStart =
      sameTerminal(STDOUT_FILENO, STDERR_FILENO) ? QStringLiteral("\n") : QString();
  printLine(stderr, lineStart + writtenAndCheckedSentence(read.rowCount,
                                                          QStringLiteral("standard output")));
  return ExitStatus::kOk;
}

// Every feed is ticked, so the document goes to the file as the rows arrive,
// and the read stops at the first piece the file does not take. A replaced
// file only takes the target's place once the whole of it is written. The
// target is checked before the read: the database's own files and files the
// user may not write are never replaced.
int exportToFile(const fs::path &database, const QByteArray &target) {
  AtomicFile::Writer writer(target, sparingDatabaseFiles(database));
  if (!writer.open()) return writeFailed(writer, *writer.commit());
  ReadBackCheck check;
  ExportPass pass([&writer, &check](const char *bytes, qsizetype size) {
    check.feed(bytes, size);
    return writer.append(bytes, size);
  });
  std::size_t secrets = 0;
  // A read that starts over starts the file over too, unless the bytes
  // already went to a pipe or device: then the read fails instead.
  bool restartable = true;
  const ReadResult read = readInto(
      database, pass, secrets,
      [&] {
        restartable = writer.rewind();
        check.restart();
      },
      [&restartable] { return restartable; });
  if (read.status != ReadStatus::Stopped && !read.ok()) {
    return readFailed(read, kNothingExported);  // the writer leaves nothing behind
  }
  if (!restartable) {
    printLine(stderr, QStringLiteral("The database \"%1\" changed while it was read, and the "
                                     "start of the export had already been written to \"%2\". "
                                     "Export again.")
                          .arg(QFile::decodeName(database.c_str()),
                               shown(AtomicFile::absoluteName(target))));
    return ExitStatus::kWriteFailed;
  }
  const WrittenFeeds written = pass.written();
  std::move(pass).finish();
  if (auto error = writer.commit()) return writeFailed(writer, *error);
  sayRepaired(read);
  saySecrets(secrets);
  const QString name = shown(AtomicFile::absoluteName(target));
  // A device or FIFO written in place cannot be read back.
  struct stat node = {};
  if (::stat(target.constData(), &node) != 0 || !S_ISREG(node.st_mode)) {
    printLine(stderr, QStringLiteral("%1 written to %2.").arg(feedCountText(read.rowCount), name));
    return ExitStatus::kOk;
  }
  if (auto mismatch = check.verify(target, QStringLiteral("\"%1\"").arg(name), written)) {
    printLine(stderr, *mismatch);
    return ExitStatus::kNotAsWritten;
  }
  printLine(stderr, writtenAndCheckedSentence(read.rowCount, name));
  return ExitStatus::kOk;
}

}  // namespace

int runExport(const fs::path &database, const QByteArray &target) {
  return target == "-" ? exportToStdout(database) : exportToFile(database, target);
}
