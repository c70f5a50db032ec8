#include "CommandLine.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>

#include "export/OpmlWriter.h"
#include "platform/AtomicFile.h"
#include "store/CXExportStorage.h"
#include "store/FeedDatabase.h"

namespace fs = std::filesystem;

namespace {

constexpr char kProgram[] = "orvella-exporter";

struct Options {
  bool help = false;
  bool version = false;
  bool list = false;
  std::optional<std::string> database;
  std::optional<std::string> exportTo;
};

struct Parsed {
  Options options;
  QString error;  // a sentence when the options cannot be used
};

QString decoded(const std::string &bytes) { return QFile::decodeName(bytes.c_str()); }

Parsed parse(int argc, char **argv) {
  Parsed parsed;
  Options &o = parsed.options;
  auto fail = [&parsed](const QString &error) {
    if (parsed.error.isEmpty()) {
      parsed.error = error;
    }
  };
  auto takeValue = [&](std::string_view name, std::optional<std::string> &slot, int &i,
                       std::optional<std::string> inlineValue) {
    const QString option = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    if (slot) {
      fail(QStringLiteral("The option %1 was given twice; give it once.").arg(option));
    }
    if (inlineValue) {
      slot = *inlineValue;
    } else if (i + 1 < argc) {
      slot = argv[++i];
    } else {
      fail(QStringLiteral("The option %1 needs a value after it.").arg(option));
      return;
    }
    if (slot->empty()) {
      fail(QStringLiteral("The option %1 needs a non-empty value.").arg(option));
    }
  };

  for (int i = 1; i < argc; ++i) {
    std::string_view arg(argv[i]);
    std::optional<std::string> inlineValue;
    if (arg.starts_with("--")) {
      if (auto eq = arg.find('='); eq != std::string_view::npos) {
        inlineValue = std::string(arg.substr(eq + 1));
        arg = arg.substr(0, eq);
      }
    }
    if (arg == "--help" || arg == "-h") {
      o.help = true;
    } else if (arg == "--version" || arg == "-v") {
      o.version = true;
    } else if (arg == "--list") {
      o.list = true;
    } else if (arg == "--database") {
      takeValue(arg, o.database, i, inlineValue);
      continue;
    } else if (arg == "--export") {
      takeValue(arg, o.exportTo, i, inlineValue);
      continue;
    } else if (arg.starts_with("-") && arg != "-") {
      fail(QStringLiteral("Unknown option \"%1\".").arg(QString::fromLocal8Bit(argv[i])));
      continue;
    } else {
      fail(QStringLiteral("Unexpected argument \"%1\".").arg(QString::fromLocal8Bit(argv[i])));
      continue;
    }
    if (inlineValue) {
      fail(QStringLiteral("The option %1 takes no value.")
               .arg(QString::fromUtf8(arg.data(), arg.size())));
    }
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

// Writes everything to standard output; on failure returns the system's reason.
std::optional<QString> writeStdout(const QByteArray &bytes) {
  std::fflush(stdout);
  const char *data = bytes.constData();
  std::size_t remaining = static_cast<std::size_t>(bytes.size());
  while (remaining > 0) {
    const ssize_t n = ::write(STDOUT_FILENO, data, remaining);
    if (n < 0) {
      if (errno == EINTR) {
        continue;
      }
      return QString::fromLocal8Bit(std::strerror(errno));
    }
    data += n;
    remaining -= static_cast<std::size_t>(n);
  }
  return std::nullopt;
}

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

bool sameFile(const fs::path &a, const fs::path &b) {
  std::error_code ec;
  return fs::equivalent(a, b, ec);
}

int runExport(const fs::path &database, const std::string &target) {
  const bool toStdout = target == "-";
  const QString targetName = toStdout ? QString() : QFileInfo(decoded(target)).absoluteFilePath();
  if (!toStdout && sameFile(database, fs::path(target))) {
    printLine(stderr, QStringLiteral("The export file \"%1\" is the database itself. Choose "
                                     "another file name for the export.")
                          .arg(targetName));
    return ExitStatus::kUsage;
  }

  if (toStdout) {
    // Held whole until the read has succeeded, so that a failed read prints
    // no half document.
    OpmlBuilder builder;
    const ReadResult read = forEachFeedRowAt(database, [&builder](const FeedRowView &row) {
      builder.addOutline(row);
      return builder.sinkOk();
    });
    if (!read.ok()) {
      printLine(stderr, read.message + QStringLiteral(" Nothing was exported."));
      return ExitStatus::kNoDatabase;
    }
    if (auto error = writeStdout(std::move(builder).finish())) {
      printLine(stderr,
                QStringLiteral("Could not write the export to standard output: %1.").arg(*error));
      return ExitStatus::kWriteFailed;
    }
    printLine(stderr,
              QStringLiteral("Exported %1 to standard output.").arg(feedsCount(read.rowCount)));
    return ExitStatus::kOk;
  }

  // Every feed is ticked, so the document goes to the file as the rows
  // arrive; the file only replaces the target once the whole of it is
  // written, and it is never created when the read fails before its first
  // piece.
  AtomicFile::Writer writer(targetName);
  OpmlBuilder builder(
      [&writer](const char *bytes, qsizetype size) { return writer.append(bytes, size); });
  const ReadResult read = forEachFeedRowAt(database, [&builder](const FeedRowView &row) {
    builder.addOutline(row);
    return builder.sinkOk();
  });
  if (!read.ok()) {
    printLine(stderr, read.message + QStringLiteral(" Nothing was exported."));
    return ExitStatus::kNoDatabase;  // the writer removes its temporary file
  }
  std::move(builder).finish();
  if (auto error = writer.commit()) {
    printLine(stderr, *error);
    return ExitStatus::kWriteFailed;
  }
  printLine(stderr,
            QStringLiteral("Exported %1 to %2.").arg(feedsCount(read.rowCount), targetName));
  return ExitStatus::kOk;
}

int runList(const fs::path &database) {
  // Collected first, so that a read that fails part-way prints no half list.
  QByteArray out;
  const ReadResult read = forEachFeedRowAt(database, [&out](const FeedRowView &row) {
    appendListField(out, row.feedTitle);
    out.append('\t');
    appendListField(out, row.feedUrl);
    out.append('\t');
    appendListField(out, row.internalLink);
    out.append('\n');
    return true;
  });
  if (!read.ok()) {
    printLine(stderr, read.message);
    return ExitStatus::kNoDatabase;
  }
  if (auto error = writeStdout(out)) {
    printLine(stderr,
              QStringLiteral("Could not write the list to standard output: %1.").arg(*error));
    return ExitStatus::kWriteFailed;
  }
  return ExitStatus::kOk;
}

QString defaultDatabaseText() {
  auto container = CXExportStorage::groupContainerURL();
  if (!container) {
    return QStringLiteral("Documents/Feeds in the reader's application-group folder");
  }
  return QFile::decodeName((*container / "Documents" / "Feeds").c_str());
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
             "                   goes to standard error.\n"
             "  --list           Print the feeds, one a line: title, site address and\n"
             "                   feed address, separated by tabs.\n"
             "  -h, --help       Show this help and exit.\n"
             "  -v, --version    Show the version and exit.\n"
             "\n"
             "Without --export or --list the export window opens (on the database named\n"
             "by --database, if given).\n"
             "\n"
             "Exit status: 0 done; 1 no readable database; 2 bad usage; 3 the output\n"
             "could not be written (no partial file is left).")
      .arg(QLatin1String(kProgram), defaultDatabaseText());
}

int printCommandLineHelp() {
  printLine(stdout, commandLineHelp());
  return ExitStatus::kOk;
}

std::optional<int> runCommandLine(int argc, char **argv) {
  const Parsed parsed = parse(argc, argv);
  const Options &o = parsed.options;
  if (!parsed.error.isEmpty()) {
    printLine(
        stderr,
        parsed.error +
            QStringLiteral(" Run \"%1 --help\" for the options.").arg(QLatin1String(kProgram)));
    return ExitStatus::kUsage;
  }
  if (o.help) {
    return printCommandLineHelp();
  }
  if (o.version) {
    printLine(stdout, QStringLiteral("%1 %2 (build %3)")
                          .arg(QLatin1String(kProgram), QStringLiteral(ORVELLA_VERSION),
                               QStringLiteral(ORVELLA_BUILD_NUMBER)));
    return ExitStatus::kOk;
  }
  if (!o.list && !o.exportTo) {
    if (o.database) {
      CXExportStorage::defaultManager().setDatabasePathOverride(fs::path(*o.database));
    }
    return std::nullopt;
  }

  int qtArgc = 1;
  QCoreApplication app(qtArgc, argv);
  // A closed pipe on standard output and a file-size limit become write
  // errors that we report, instead of killing us half-way through a write.
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);

  std::optional<fs::path> database;
  if (o.database) {
    database = fs::path(*o.database);
  } else if (auto container = CXExportStorage::groupContainerURL()) {
    database = *container / "Documents" / "Feeds";
  }
  if (!database) {
    printLine(stderr,
              QStringLiteral("No reader database: the application-group folder cannot be located "
                             "because neither XDG_DATA_HOME nor HOME is set. Name the database "
                             "file with --database."));
    return ExitStatus::kNoDatabase;
  }
  return o.list ? runList(*database) : runExport(*database, *o.exportTo);
}
