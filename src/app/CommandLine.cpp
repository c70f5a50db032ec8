#include "app/CommandLine.h"

#include <QCoreApplication>
#include <QLocale>
#include <csignal>
#include <filesystem>
#include <new>

#include "app/BackupCommand.h"
#include "app/CheckCommand.h"
#include "app/CompareCommand.h"
#include "app/ExitStatus.h"
#include "app/ExportCommand.h"
#include "app/HelpCommand.h"
#include "app/ListCommand.h"
#include "app/StandardStreams.h"
#include "store/CXExportStorage.h"

namespace fs = std::filesystem;

namespace {

// Numbers in sentences are grouped as the locale of numbers (LC_ALL,
// LC_NUMERIC, LANG, as POSIX orders them) groups them; the C locale of
// scripts groups none.
QLocale numbersLocale() {
  QByteArray numeric;
  for (const char *name : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    numeric = qgetenv(name);
    if (!numeric.isEmpty()) break;
  }
  QLocale locale = QLocale::c();
  if (numeric.isEmpty() || numeric == "C" || numeric == "POSIX" || numeric.startsWith("C.")) {
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
  } else {
    // "de_DE.UTF-8@euro": the name is what comes before the encoding.
    locale = QLocale(QString::fromLatin1(numeric)
                         .section(QLatin1Char('.'), 0, 0)
                         .section(QLatin1Char('@'), 0, 0));
  }
  return locale;
}

int run(const ParsedOptions &parsed, char *program) {
  const ProgramOptions &o = parsed.options;
  if (!parsed.error.isEmpty()) {
    printLine(stderr,
              parsed.error + QStringLiteral(" Run \"orvella-exporter --help\" for the options."));
    return ExitStatus::kUsage;
  }
  // A closed pipe on standard output and a file-size limit become write
  // errors that we report, instead of killing us half-way through a write.
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
  using Command = ProgramOptions::Command;
  if (o.command == Command::Help) return runHelp();
  if (o.command == Command::Version) return runVersion();

  int qtArgc = 1;
  char *qtArgv[] = {program, nullptr};
  QCoreApplication app(qtArgc, qtArgv);
  QLocale::setDefault(numbersLocale());
  if (o.command == Command::Check) return runCheck(o.file);
  const std::optional<fs::path> database = o.database
                                               ? std::optional(fs::path(o.database->toStdString()))
                                               : CXExportStorage::defaultDatabasePath();
  if (!database) {
    printLine(stderr, CXExportStorage::containerNotFound().message.english());
    return ExitStatus::kNoDatabase;
  }
  switch (o.command) {
    case Command::Backup:
      return runBackup(*database, o.backupFolder, o.keep, o.choices);
    case Command::List:
      return runList(*database);
    case Command::Compare:
      return runCompare(*database, o.file);
    default:
      return runExport(*database, o.file, o.choices);
  }
}

}  // namespace

int runCommandLine(const ParsedOptions &parsed, char *program) {
  try {
    return run(parsed, program);
  } catch (const std::bad_alloc &) {
    printLine(stderr, QStringLiteral("Not enough memory to finish. Close other programs, or "
                                     "raise the memory limit, and try again."));
    return ExitStatus::kOutOfMemory;
  }
}
