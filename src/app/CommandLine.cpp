#include "CommandLine.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "app/BackupCommand.h"
#include "app/BackupFolder.h"
#include "app/CheckCommand.h"
#include "app/ExportCommand.h"
#include "app/StandardStreams.h"
#include "store/CXExportStorage.h"

namespace fs = std::filesystem;

namespace {

constexpr char kProgram[] = "orvella-exporter";

// What the options ask for. Names stay the bytes the user gave.
struct Options {
  bool help = false;
  bool version = false;
  bool list = false;
  std::optional<QByteArray> database;
  std::optional<QByteArray> exportTo;
  std::optional<QByteArray> check;
  bool backup = false;
  std::optional<QByteArray> backupFolder;  // absent: the default folder
  int keep = kDefaultBackupsKept;
};

struct Parsed {
  Options options;
  QString error;  // a sentence when the options cannot be used
};

// Options that QApplication and its platform plugins take for themselves,
// and whether each takes a value. The window hands them to Qt; the
// command-line modes accept and ignore them.
struct QtOption {
  const char *name;
  bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowtitle", true},
    {"qwindowicon", true},     {"geometry", true},
    {"title", true},           {"icon", true},
    {"display", true},         {"name", true},
    {"visual", true},          {"session", true},
    {"style", true},           {"stylesheet", true},
    {"reverse", false},        {"testability", false},
    {"widgetcount", false},    {"nograb", false},
    {"dograb", false},         {"sync", false},
};

// The arguments without Qt's own, each made with fromLatin1 so that toLatin1
// gives back the very bytes of argv.
QStringList ourArguments(int argc, char **argv) {
  QStringList args;
  for (int i = 0; i < argc; ++i) {
    const std::string_view arg(argv[i]);
    if (i > 0 && arg.size() > 1 && arg[0] == '-' && arg != "--") {
      std::string_view name = arg.substr(arg[1] == '-' ? 2 : 1);
      const auto eq = name.find('=');
      const bool inlineValue = eq != std::string_view::npos;
      if (inlineValue) name = name.substr(0, eq);
      const auto *qt = std::find_if(std::begin(kQtOptions), std::end(kQtOptions),
                                    [name](const QtOption &o) { return name == o.name; });
      if (qt != std::end(kQtOptions)) {
        if (qt->takesValue && !inlineValue && i + 1 < argc) ++i;
        continue;
      }
    }
    args << QString::fromLatin1(argv[i]);
  }
  return args;
}

// --backup takes its folder as the next argument, which may be left out;
// "--backup=FOLDER" is the same as "--backup FOLDER".
QStringList splitBackupValue(const QStringList &arguments) {
  QStringList split;
  for (const QString &arg : arguments) {
    const qsizetype eq = arg.indexOf(QLatin1Char('='));
    const QStringView name = QStringView(arg).left(eq);
    if (eq > 0 && (name == u"--backup" || name == u"-backup")) {
      split << QStringLiteral("--backup") << arg.mid(eq + 1);
    } else {
      split << arg;
    }
  }
  return split;
}

Parsed parse(const QStringList &givenArguments) {
  const QStringList arguments = splitBackupValue(givenArguments);
  Parsed parsed;
  Options &o = parsed.options;
  auto fail = [&parsed](const QString &error) {
    if (parsed.error.isEmpty()) parsed.error = error;
  };

  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
  const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
  const QCommandLineOption list(QStringLiteral("list"));
  const QCommandLineOption database(QStringLiteral("database"), QString(), QStringLiteral("PATH"));
  const QCommandLineOption exportTo(QStringLiteral("export"), QString(), QStringLiteral("FILE"));
  const QCommandLineOption check(QStringLiteral("check"), QString(), QStringLiteral("FILE"));
  const QCommandLineOption backup(QStringLiteral("backup"));
  const QCommandLineOption keep(QStringLiteral("keep"), QString(), QStringLiteral("N"));
  parser.addOptions({help, version, list, database, exportTo, check, backup, keep});

  if (!parser.parse(arguments)) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
      const QString name = unknown.first();
      // The argument as the user wrote it, for the message.
      QString written = (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
      for (const QString &arg : arguments.mid(1)) {
        const QString bare = arg.section(QLatin1Char('='), 0, 0);
        if (bare == QStringLiteral("-") + name || bare == QStringLiteral("--") + name) {
          written = QFile::decodeName(bare.toLatin1());
          break;
        }
      }
      fail(QStringLiteral("Unknown option \"%1\".").arg(written));
    } else {
      // A value missing after --database or --export, or one given to an
      // option that takes none.
      const QString text = parser.errorText();
      for (const char *name :
           {"database", "export", "check", "keep", "list", "backup", "help", "version"}) {
        const QString option = QStringLiteral("--") + QLatin1String(name);
        if (!text.contains(option) && !text.contains(QLatin1Char('\'') + QLatin1String(name))) {
          continue;
        }
        const std::string_view n(name);
        const bool takesValue = n == "database" || n == "export" || n == "check" || n == "keep";
        fail(takesValue ? QStringLiteral("The option %1 needs a value after it.").arg(option)
                        : QStringLiteral("The option %1 takes no value.").arg(option));
      }
      fail(text);
    }
    return parsed;
  }

  o.help = parser.isSet(help);
  o.version = parser.isSet(version);
  o.list = parser.isSet(list);
  auto takeValue = [&](const QCommandLineOption &option, std::optional<QByteArray> &slot) {
    const QStringList values = parser.values(option);
    if (values.isEmpty()) return;
    const QString name = QStringLiteral("--") + option.names().first();
    if (values.size() > 1) {
      fail(QStringLiteral("The option %1 was given twice; give it once.").arg(name));
    }
    slot = values.first().toLatin1();
    if (slot->isEmpty()) {
      fail(QStringLiteral("The option %1 needs a non-empty value.").arg(name));
    }
  };
  takeValue(database, o.database);
  takeValue(exportTo, o.exportTo);
  takeValue(check, o.check);
  o.backup = parser.isSet(backup);
  QStringList extras = parser.positionalArguments();
  if (o.backup && !extras.isEmpty()) {
    o.backupFolder = extras.takeFirst().toLatin1();
    if (o.backupFolder->isEmpty()) {
      fail(
          QStringLiteral("The option --backup needs a non-empty folder, or none for the "
                         "default one."));
    }
  }
  for (const QString &extra : extras) {
    fail(QStringLiteral("Unexpected argument \"%1\".").arg(QFile::decodeName(extra.toLatin1())));
  }
  std::optional<QByteArray> keepText;
  takeValue(keep, keepText);
  if (keepText) {
    bool number = false;
    o.keep = keepText->toInt(&number);
    if (!number || o.keep < 1) {
      fail(QStringLiteral("The option --keep needs a whole number of backups, 1 or more."));
    } else if (!o.backup) {
      fail(QStringLiteral("The option --keep goes with --backup."));
    }
  }
  if (int(o.list) + int(o.exportTo.has_value()) + int(o.check.has_value()) + int(o.backup) > 1) {
    fail(QStringLiteral("Give only one of --export, --list, --check and --backup."));
  }
  return parsed;
}

fs::path pathOf(const QByteArray &bytes) { return fs::path(bytes.toStdString()); }

QString defaultDatabaseText() {
  auto path = CXExportStorage::defaultDatabasePath();
  if (!path) {
    return QStringLiteral("Documents/Feeds in the reader's application-group folder");
  }
  return QFile::decodeName(path->c_str());
}

std::optional<int> run(int argc, char **argv) {
  const Parsed parsed = parse(ourArguments(argc, argv));
  const Options &o = parsed.options;
  if (!parsed.error.isEmpty()) {
    printLine(
        stderr,
        parsed.error +
            QStringLiteral(" Run \"%1 --help\" for the options.").arg(QLatin1String(kProgram)));
    return ExitStatus::kUsage;
  }
  // A closed pipe on standard output and a file-size limit become write
  // errors that we report, instead of killing us half-way through a write.
  const bool commandLine = o.list || o.exportTo || o.check || o.backup;
  if (o.help || o.version || commandLine) {
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
  }
  if (o.help) {
    return printCommandLineHelp();
  }
  if (o.version) {
    return printToStdout(QStringLiteral("%1 %2 (build %3)")
                             .arg(QLatin1String(kProgram), QStringLiteral(ORVELLA_VERSION),
                                  QStringLiteral(ORVELLA_BUILD_NUMBER)),
                         "version");
  }
  if (!commandLine) {
    // The window's; its module takes --database with useDatabaseOption().
    return std::nullopt;
  }
  CXExportStorage &storage = CXExportStorage::defaultManager();
  if (o.database) {
    storage.setDatabasePathOverride(pathOf(*o.database));
  }

  int qtArgc = 1;
  QCoreApplication app(qtArgc, argv);
  // Numbers in sentences are grouped as the locale of numbers (LC_ALL,
  // LC_NUMERIC, LANG, as POSIX orders them) groups them; the C locale of
  // scripts groups none.
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
  QLocale::setDefault(locale);
  if (o.check) return runCheck(*o.check);
  std::optional<fs::path> database = storage.databasePath();
  if (!database) {
    printLine(stderr, storage.readFeeds().message.english());
    return ExitStatus::kNoDatabase;
  }
  if (o.backup) return runBackup(*database, o.backupFolder, o.keep);
  return o.list ? runList(*database) : runExport(*database, *o.exportTo);
}

}  // namespace

QString commandLineHelp() {
  return QStringLiteral(
             "Usage: %1 [--database PATH] [--export FILE | --list]\n"
             "       %1 [--database PATH] --backup [FOLDER] [--keep N]\n"
             "       %1 --check FILE\n"
             "\n"
             "Exports the subscriptions of the Orvella feed reader to an OPML 1.0 file.\n"
             "\n"
             "Options:\n"
             "  --database PATH  Read this database file instead of the reader's own:\n"
             "                   %2\n"
             "  --export FILE    Write every feed to FILE as an OPML document in UTF-8;\n"
             "                   \"-\" writes it to standard output. The file is read back\n"
             "                   and compared with what was written; a one-line summary\n"
             "                   goes to standard error. An existing FILE that is\n"
             "                   write-protected (no write permission for you, or none\n"
             "                   for anyone, even for root) is left as it is. A feed\n"
             "                   without a title is named by its address.\n"
             "  --list           Print the feeds, one a line: title, site address and\n"
             "                   feed address, separated by tabs.\n"
             "  --check FILE     Read any OPML file and say how many feeds it holds and\n"
             "                   what would trouble an importer: XML that is not\n"
             "                   well-formed, outlines without a feed address (xmlUrl) or\n"
             "                   with an empty text, repeated feed addresses, addresses\n"
             "                   that are not http(s). Exits 0 when there is none, else 1.\n"
             "  --backup [FOLDER]\n"
             "                   Write every feed to \"FOLDER/Orvella Feeds YYYY-MM-DD\n"
             "                   HHMMSS.opml\" (local time), and check it, unless the newest\n"
             "                   backup there already holds the same; says what changed\n"
             "                   since it. FOLDER is made when missing; without it,\n"
             "                   \"Orvella Backups\" in the documents folder. The reader\n"
             "                   may go on running.\n"
             "  --keep N         With --backup: keep the newest N backups (default %3) and\n"
             "                   remove older files of that naming only.\n"
             "  -h, --help       Show this help and exit.\n"
             "  -v, --version    Show the version and exit.\n"
             "\n"
             "Without --export, --list, --check or --backup the export window opens (on\n"
             "the database named by --database, if given). A daily backup:\n"
             "systemctl --user enable --now orvella-exporter-backup.timer\n"
             "\n"
             "Qt's own options (-platform, -style, -display, -session, ...) are accepted.\n"
             "\n"
             "Exit status: 0 done; 1 no readable database, or --check found a problem;\n"
             "2 bad usage; 3 the output could not be written (no partial file is left);\n"
             "4 out of memory; 5 the window could not open because its module\n"
             "(orvella-exporter-window.so) is missing; 6 the written file, read back,\n"
             "does not hold what was written; 7 the window could not open because there\n"
             "is no display.")
      .arg(QLatin1String(kProgram), defaultDatabaseText())
      .arg(kDefaultBackupsKept);
}

int printCommandLineHelp() { return printToStdout(commandLineHelp(), "help"); }

void useDatabaseOption(int argc, char **argv) {
  const Parsed parsed = parse(ourArguments(argc, argv));
  if (parsed.options.database) {
    CXExportStorage::defaultManager().setDatabasePathOverride(pathOf(*parsed.options.database));
  }
}

std::optional<int> runCommandLine(int argc, char **argv) {
  try {
    return run(argc, argv);
  } catch (const std::bad_alloc &) {
    printLine(stderr, QStringLiteral("Not enough memory to finish. Close other programs, or "
                                     "raise the memory limit, and try again."));
    return ExitStatus::kOutOfMemory;
  }
}
