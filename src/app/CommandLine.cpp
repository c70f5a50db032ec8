#include "CommandLine.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "export/OpmlWriter.h"
#include "platform/AtomicFile.h"
#include "platform/TemporaryFolder.h"
#include "store/CXExportStorage.h"
#include "store/FeedDatabase.h"

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
};

struct Parsed {
  Options options;
  QString error;  // a sentence when the options cannot be used
};

// Only for showing a name; the bytes themselves go to the system.
QString shown(const QByteArray &bytes) { return QFile::decodeName(bytes); }

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

Parsed parse(const QStringList &arguments) {
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
  parser.addOptions({help, version, list, database, exportTo});

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
      for (const char *name : {"database", "export", "list", "help", "version"}) {
        const QString option = QStringLiteral("--") + QLatin1String(name);
        if (!text.contains(option) && !text.contains(QLatin1Char('\'') + QLatin1String(name))) {
          continue;
        }
        const bool takesValue =
            std::string_view(name) == "database" || std::string_view(name) == "export";
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
  for (const QString &extra : parser.positionalArguments()) {
    fail(QStringLiteral("Unexpected argument \"%1\".").arg(QFile::decodeName(extra.toLatin1())));
  }
  if (o.list && o.exportTo) {
    fail(QStringLiteral("Give either --export or --list, not both."));
  }
  return parsed;
}

void printLine(FILE *stream, const QString &text) {
  const QByteArray bytes = text.toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
  std::fputc('\n', stream);
  std::fflush(stream);
}

// Writes everything to a descriptor; waits when it is non-blocking and full.
// On failure returns the system's reason.
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
    if (fd_ < 0) {
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
  // Copies everything to standard output; the system's reason on failure.
  std::optional<QString> copyToStdout() {
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

 private:
  int fd_ = -1;
  bool noFolder_ = false;
  std::optional<QString> error_;
};

QString feedsCount(std::size_t count) {
  return count == 1 ? QStringLiteral("1 feed") : QStringLiteral("%1 feeds").arg(count);
}

// Control characters would break the one-line-per-feed layout.
void appendListField(QByteArray &out, const std::optional<std::string_view> &utf8) {
  if (!utf8) {
    return;
  }
  for (const char c : *utf8) {
    const auto b = static_cast<unsigned char>(c);
    out.append(b < 0x20 || b == 0x7F ? ' ' : c);
  }
}

const Sentence kDatabaseFileReason(
    QT_TRANSLATE_NOOP("CXInterfaceString", "it is the reader's database or one of its files"));

// Standard output that a redirection opened on the database (1<>Feeds) would
// lose the reader's data at the first byte written.
bool stdoutIsTheDatabase(const std::vector<std::string> &databaseFiles, const fs::path &database) {
  if (!AtomicFile::isAnyOf(STDOUT_FILENO, databaseFiles)) return false;
  printLine(stderr, QStringLiteral("Standard output is the database \"%1\" or one of its files. "
                                   "Send the output to another file.")
                        .arg(QFile::decodeName(database.c_str())));
  return true;
}

// Values the read had to repair are worth a word: the file differs from the
// database there.
void sayRepaired(const ReadResult &read) {
  if (read.repairedValues == 0) return;
  printLine(stderr,
            QStringLiteral("%1 of the feeds' texts held bytes that are not valid UTF-8; each "
                           "such sequence was written as the character U+FFFD.")
                .arg(read.repairedValues));
}

fs::path pathOf(const QByteArray &bytes) { return fs::path(bytes.toStdString()); }

// Whether both descriptors are the same terminal, as when a user runs us in
// one without redirecting either.
bool sameTerminal(int a, int b) {
  struct stat first = {};
  struct stat second = {};
  return ::isatty(a) && ::isatty(b) && ::fstat(a, &first) == 0 && ::fstat(b, &second) == 0 &&
         first.st_rdev == second.st_rdev;
}

int readFailed(const ReadResult &read, bool exporting) {
  printLine(stderr, exporting ? read.message.english() + QStringLiteral(" Nothing was exported.")
                              : read.message.english());
  return ExitStatus::kNoDatabase;
}

int runExport(const fs::path &database, const QByteArray &target) {
  const std::vector<std::string> databaseFiles = databaseFileNames(database);
  const bool toStdout = target == "-";
  if (toStdout) {
    if (stdoutIsTheDatabase(databaseFiles, database)) return ExitStatus::kUsage;
    Spool spool;
    auto sink = [&spool](const char *bytes, qsizetype size) { return spool.append(bytes, size); };
    std::optional<OpmlBuilder> builder(std::in_place, sink);
    ReadOptions options;
    options.onRestart = [&] {
      spool.rewind();
      builder.emplace(sink);
    };
    const ReadResult read = forEachFeedRowAt(
        database,
        [&builder](const FeedRowView &row) {
          builder->addOutline(row);
          return builder->sinkOk();
        },
        options);
    if (read.status != ReadStatus::Stopped && !read.ok()) return readFailed(read, true);
    std::move(*builder).finish();
    if (auto error = spool.error()) {
      printLine(stderr, *error + QStringLiteral(" Nothing was exported."));
      return ExitStatus::kWriteFailed;
    }
    if (auto error = spool.copyToStdout()) {
      printLine(stderr,
                QStringLiteral("Could not write the export to standard output: %1.").arg(*error));
      return ExitStatus::kWriteFailed;
    }
    sayRepaired(read);
    // The document ends without a line feed; on a shared terminal the summary
    // would otherwise run on from its last line.
    const QString lineStart =
        sameTerminal(STDOUT_FILENO, STDERR_FILENO) ? QStringLiteral("\n") : QString();
    printLine(stderr,
              lineStart +
                  QStringLiteral("Exported %1 to standard output.").arg(feedsCount(read.rowCount)));
    return ExitStatus::kOk;
  }

  // Every feed is ticked, so the document goes to the file as the rows
  // arrive, and the read stops at the first piece the file does not take.
  // A replaced file only takes the target's place once the whole of it is
  // written. The target is checked before the read: the database's own
  // files and files the user may not write are never replaced.
  AtomicFile::Writer writer(target, {databaseFiles, kDatabaseFileReason});
  auto refused = [&writer](const std::optional<Sentence> &error) {
    printLine(stderr, error->english());
    return writer.failure() == AtomicFile::Failure::Protected ? ExitStatus::kUsage
                                                              : ExitStatus::kWriteFailed;
  };
  if (!writer.open()) return refused(writer.commit());
  auto sink = [&writer](const char *bytes, qsizetype size) { return writer.append(bytes, size); };
  std::optional<OpmlBuilder> builder(std::in_place, sink);
  ReadOptions options;
  // A read that starts over starts the file over too, unless the bytes
  // already went to a pipe or device: then the read fails instead.
  bool restartable = true;
  options.onRestart = [&] {
    restartable = writer.rewind();
    builder.emplace(sink);
  };
  const ReadResult read = forEachFeedRowAt(
      database,
      [&](const FeedRowView &row) {
        builder->addOutline(row);
        return builder->sinkOk() && restartable;
      },
      options);
  if (read.status != ReadStatus::Stopped && !read.ok()) {
    return readFailed(read, true);  // the writer leaves nothing behind
  }
  if (!restartable) {
    printLine(stderr, QStringLiteral("The database \"%1\" changed while it was read, and the "
                                     "start of the export had already been written to \"%2\". "
                                     "Export again.")
                          .arg(QFile::decodeName(database.c_str()),
                               shown(AtomicFile::absoluteName(target))));
    return ExitStatus::kWriteFailed;
  }
  std::move(*builder).finish();
  if (auto error = writer.commit()) return refused(error);
  sayRepaired(read);
  printLine(stderr, QStringLiteral("Exported %1 to %2.")
                        .arg(feedsCount(read.rowCount), shown(AtomicFile::absoluteName(target))));
  return ExitStatus::kOk;
}

int runList(const fs::path &database) {
  if (stdoutIsTheDatabase(databaseFileNames(database), database)) return ExitStatus::kUsage;
  Spool spool;
  QByteArray line;
  ReadOptions options;
  options.onRestart = [&spool] { spool.rewind(); };
  const ReadResult read = forEachFeedRowAt(
      database,
      [&](const FeedRowView &row) {
        line.clear();
        appendListField(line, row.feedTitle);
        line.append('\t');
        appendListField(line, row.feedUrl);
        line.append('\t');
        appendListField(line, row.internalLink);
        line.append('\n');
        return spool.append(line.constData(), line.size());
      },
      options);
  if (read.status != ReadStatus::Stopped && !read.ok()) return readFailed(read, false);
  if (auto error = spool.error()) {
    printLine(stderr, *error);
    return ExitStatus::kWriteFailed;
  }
  if (auto error = spool.copyToStdout()) {
    printLine(stderr,
              QStringLiteral("Could not write the list to standard output: %1.").arg(*error));
    return ExitStatus::kWriteFailed;
  }
  sayRepaired(read);
  return ExitStatus::kOk;
}

QString defaultDatabaseText() {
  auto path = CXExportStorage::defaultDatabasePath();
  if (!path) {
    return QStringLiteral("Documents/Feeds in the reader's application-group folder");
  }
  return QFile::decodeName(path->c_str());
}

// Prints text and a line feed on standard output; a write that fails is said
// on standard error and gives its own status.
int printToStdout(const QString &text, const char *what) {
  if (auto error = writeStdout(text.toUtf8() + '\n')) {
    printLine(stderr, QStringLiteral("Could not write the %1 to standard output: %2.")
                          .arg(QLatin1String(what), *error));
    return ExitStatus::kWriteFailed;
  }
  return ExitStatus::kOk;
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
  if (o.help || o.version || o.list || o.exportTo) {
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
  if (!o.list && !o.exportTo) {
    // The window's; its module takes --database with useDatabaseOption().
    return std::nullopt;
  }
  CXExportStorage &storage = CXExportStorage::defaultManager();
  if (o.database) {
    storage.setDatabasePathOverride(pathOf(*o.database));
  }

  int qtArgc = 1;
  QCoreApplication app(qtArgc, argv);
  std::optional<fs::path> database = storage.databasePath();
  if (!database) {
    printLine(stderr, storage.readFeeds().message.english());
    return ExitStatus::kNoDatabase;
  }
  return o.list ? runList(*database) : runExport(*database, *o.exportTo);
}

}  // namespace

QString commandLineHelp() {
  return QStringLiteral(
             "Usage: %1 [--database PATH] [--export FILE | --list]\n"
             "\n"
             "Exports the subscriptions of the Orvella feed reader to an OPML 1.0 file.\n"
             "\n"
             "Options:\n"
             "  --database PATH  Read this database file instead of the reader's own:\n"
             "                   %2\n"
             "  --export FILE    Write every feed to FILE as an OPML document in UTF-8;\n"
             "                   \"-\" writes it to standard output. A one-line summary\n"
             "                   goes to standard error. An existing FILE that is\n"
             "                   write-protected (no write permission for you, or none\n"
             "                   for anyone, even for root) is left as it is. A feed\n"
             "                   without a title is named by its address.\n"
             "  --list           Print the feeds, one a line: title, site address and\n"
             "                   feed address, separated by tabs.\n"
             "  -h, --help       Show this help and exit.\n"
             "  -v, --version    Show the version and exit.\n"
             "\n"
             "Without --export or --list the export window opens (on the database named\n"
             "by --database, if given).\n"
             "\n"
             "Qt's own options (-platform, -style, -display, -session, ...) are accepted.\n"
             "\n"
             "Exit status: 0 done; 1 no readable database; 2 bad usage; 3 the output\n"
             "could not be written (no partial file is left); 4 out of memory; 5 the\n"
             "window could not open because its module (orvella-exporter-window.so) is\n"
             "missing; 6 the window could not open because there is no display.")
      .arg(QLatin1String(kProgram), defaultDatabaseText());
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
