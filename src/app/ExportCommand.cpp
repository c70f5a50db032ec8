#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <functional>
#include <optional>

#include "app/CommandLine.h"
#include "app/ExitStatus.h"
#include "app/ExportFilter.h"
#include "app/Reports.h"
#include "app/Spool.h"
#include "app/StandardStreams.h"
#include "export/ExportPass.h"
#include "export/ReadBackCheck.h"
#include "platform/AtomicFile.h"
#include "store/FeedDatabase.h"

namespace fs = std::filesystem;

namespace {

// Only for showing a name; the bytes themselves go to the system.
QString shown(const QByteArray &bytes) { return QFile::decodeName(bytes); }

const QString kNothingExported = QStringLiteral(" Nothing was exported.");

// Every feed of the database through pass, as the filter takes them. A read
// that starts over calls onRestart and starts the pass and the filter over;
// the read stops early when the pass's sink, or keepGoing, says no.
ReadResult readInto(
    const fs::path &database, ExportPass &pass, ExportFilter &filter,
    const std::function<void()> &onRestart,
    const std::function<bool()> &keepGoing = [] { return true; }) {
  ReadOptions options;
  options.onRestart = [&] {
    onRestart();
    pass.restart();
    filter.restart();
  };
  return forEachFeedRowAt(
      database,
      [&](const FeedRow &row) { return (!filter.takes(row) || pass.add(row)) && keepGoing(); },
      options);
}

// Whether both descriptors are the same terminal, as when a user runs us in
// one without redirecting either.
bool sameTerminal(int a, int b) {
  struct stat first = {};
  struct stat second = {};
  return ::isatty(a) && ::isatty(b) && ::fstat(a, &first) == 0 && ::fstat(b, &second) == 0 &&
         first.st_rdev == second.st_rdev;
}

int exportToStdout(const fs::path &database, const ExportChoices &choices) {
  if (stdoutIsTheDatabase(database)) return ExitStatus::kUsage;
  Spool spool;
  ExportPass pass([&spool](const char *bytes, qsizetype size) { return spool.append(bytes, size); },
                  OpmlFormat{choices.opml2, {}, choices.importableTitles});
  ExportFilter filter(choices);
  const ReadResult read = readInto(database, pass, filter, [&spool] { spool.rewind(); });
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
  filter.say();
  // The document ends without a line feed; on a shared terminal the summary
  // would otherwise run on from its last line.
  const QString lineStart =
      sameTerminal(STDOUT_FILENO, STDERR_FILENO) ? QStringLiteral("\n") : QString();
  printLine(stderr, lineStart + writtenAndCheckedSentence(written.feeds(),
                                                          QStringLiteral("standard output")));
  return ExitStatus::kOk;
}

// Every feed is ticked, so the document goes to the file as the rows arrive,
// and the read stops at the first piece the file does not take. A replaced
// file only takes the target's place once the whole of it is written. The
// target is checked before the read: the database's own files and files the
// user may not write are never replaced.
int exportToFile(const fs::path &database, const QByteArray &target, const ExportChoices &choices) {
  AtomicFile::Writer writer(target, sparingDatabaseFiles(database));
  if (!writer.open()) return writeFailed(writer, *writer.commit());
  // The read-back looks for secrets on its thread.
  ReadBackCheck check(true);
  ExportPass pass(
      [&writer, &check](const char *bytes, qsizetype size) {
        check.feed(bytes, size);
        return writer.append(bytes, size);
      },
      OpmlFormat{choices.opml2, {}, choices.importableTitles});
  ExportFilter filter(choices, true);
  // A read that starts over starts the file over too, unless the bytes
  // already went to a pipe or device: then the read fails instead.
  bool restartable = true;
  const ReadResult read = readInto(
      database, pass, filter,
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
  const QString name = shown(AtomicFile::absoluteName(target));
  // A device or FIFO written in place cannot be read back.
  struct stat node = {};
  if (::stat(target.constData(), &node) != 0 || !S_ISREG(node.st_mode)) {
    sayRepaired(read);
    filter.say(check.secrets());
    printLine(stderr,
              QStringLiteral("%1 written to %2.").arg(feedCountText(written.feeds()), name));
    return ExitStatus::kOk;
  }
  if (auto mismatch = check.verify(target, QStringLiteral("\"%1\"").arg(name), written)) {
    printLine(stderr, *mismatch);
    return ExitStatus::kNotAsWritten;
  }
  // What the file holds is worth a word once it is known to hold it.
  sayRepaired(read);
  filter.say(check.secrets(target));
  printLine(stderr, writtenAndCheckedSentence(written.feeds(), name));
  return ExitStatus::kOk;
}

}  // namespace

extern const Command kExportCommand{
    .option = {.name = "export",
               .value = "FILE",
               .help = "Write every feed to FILE as an OPML document in UTF-8; \"-\" writes it to "
                       "standard output. The file is read back and compared with what was "
                       "written; a one-line summary goes to standard error. An existing FILE that "
                       "is write-protected (no write permission for you, or none for anyone, even "
                       "for root) is left as it is. A feed without a title is named by its "
                       "address."},
    .options = kExportChoiceOptions,
    .run =
        [](const Arguments &arguments, const fs::path &database) {
          const QByteArray target = *arguments.value("export");
          return target == "-" ? exportToStdout(database, exportChoices(arguments))
                               : exportToFile(database, target, exportChoices(arguments));
        },
    .readsDatabase = true};
