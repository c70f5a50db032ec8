#include "app/CommandLine.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QStringList>
#include <csignal>
#include <new>

#include "app/ExitStatus.h"
#include "app/StandardStreams.h"
#include "store/CXExportStorage.h"

namespace fs = std::filesystem;

// Every command, in the order of --help: a command is a file that defines its
// k<Name>Command, and its line here.
#define ORVELLA_COMMANDS(X) \
  X(Window)                 \
  X(Export)                 \
  X(List)                   \
  X(Check)                  \
  X(Compare)                \
  X(Backup)                 \
  X(NotifyBackupFailure)    \
  X(Help)                   \
  X(Version)
#define ORVELLA_DECLARE(name) extern const Command k##name##Command;
#define ORVELLA_ADDRESS(name) &k##name##Command,
ORVELLA_COMMANDS(ORVELLA_DECLARE)

namespace {

constexpr const Command *kCommands[] = {ORVELLA_COMMANDS(ORVELLA_ADDRESS)};

QString defaultDatabaseText() {
  auto path = CXExportStorage::defaultDatabasePath();
  if (!path) return QStringLiteral("Documents/Feeds in the reader's application-group folder");
  return QFile::decodeName(path->c_str());
}

// Goes with every command; %1 is the reader's database.
constexpr Option kDatabase{.name = "database",
                           .value = "PATH",
                           .help = "Read this database file instead of the reader's own:\n%1"};

// The options of QApplication and its platform plugins, with a value and
// without. The window hands them to Qt; the other commands ignore them.
constexpr std::string_view kQtValued =
    "platform platformpluginpath platformtheme plugin qwindowgeometry qwindowtitle qwindowicon "
    "geometry title icon display name visual session style stylesheet";
constexpr std::string_view kQtFlags = "reverse testability widgetcount nograb dograb sync";

// The word of `words` that is `name` (a view of `words`), or none.
std::string_view wordOf(std::string_view words, std::string_view name) {
  for (std::size_t at = 0, end = 0; at < words.size(); at = end + 1) {
    end = std::min(words.find(' ', at), words.size());
    if (words.substr(at, end - at) == name) return words.substr(at, end - at);
  }
  return {};
}

QString latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), qsizetype(text.size()));
}
QString dashed(std::string_view name) { return QStringLiteral("--") + latin1(name); }
// "--keep N", "--backup [FOLDER]".
QString synopsis(const Option &o) {
  return dashed(o.name) + (o.value.empty() ? QString() : u' ' + latin1(o.value));
}

// Each option of ours once, in the order of --help, with the commands it goes
// with (none for --database and a command's own); one that goes with several
// follows the last of them.
struct Known {
  const Option *option;
  std::vector<const Command *> with;
};
const std::vector<Known> &known() {
  static const std::vector<Known> all = [] {
    std::vector<Known> all{{&kDatabase, {}}};
    for (const Command *c : kCommands) {
      if (!c->option.name.empty()) all.push_back({&c->option, {}});
      for (const Option &o : c->options) {
        const auto same =
            std::ranges::find(all, o.name, [](const Known &k) { return k.option->name; });
        Known option{&o, {}};
        if (same != all.end()) {
          option = *same;
          all.erase(same);
        }
        option.with.push_back(c);
        all.push_back(option);
      }
    }
    return all;
  }();
  return all;
}

const Known *findOption(std::string_view name) {
  const auto k = std::ranges::find_if(known(), [name](const Known &k) {
    return k.option->name == name || (name.size() == 1 && name[0] == k.option->letter);
  });
  return k == known().end() ? nullptr : &*k;
}

// "--export=FILE", "-list": the name without its dashes, and the value after '='.
std::pair<std::string_view, std::optional<QByteArray>> split(const char *arg) {
  const std::string_view text(arg), written = text.substr(0, text.find('='));
  std::optional<QByteArray> value;
  if (written.size() < text.size()) value = QByteArray(arg + written.size() + 1);
  return {written.substr(written.starts_with("--") ? 2 : 1), value};
}

// "--export or --backup", "--a, --b and --c".
QString listed(const std::vector<const Command *> &commands, const char *last) {
  QStringList names;
  for (const Command *c : commands) names << dashed(c->option.name);
  const QString tail = names.takeLast();
  return names.isEmpty() ? tail : names.join(QStringLiteral(", ")) + u' ' + last + u' ' + tail;
}

// The words in lines of at most 80 columns, the lines after the first at
// `indent` spaces.
QString wrapped(const QStringList &words, qsizetype indent) {
  QStringList lines{QString()};
  for (const QString &word : words) {
    const bool fits = indent + lines.last().size() + 1 + word.size() <= 80;
    if (lines.last().isEmpty() || fits) {
      lines.last() += (lines.last().isEmpty() ? QString() : QStringLiteral(" ")) + word;
    } else {
      lines << word;
    }
  }
  return lines.join(u'\n' + QString(indent, u' '));
}

// Numbers in sentences are grouped as the locale of numbers (LC_ALL,
// LC_NUMERIC, LANG, as POSIX orders them) groups them; the C locale of
// scripts groups none.
QLocale numbersLocale() {
  for (const char *name : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    // "de_DE.UTF-8@euro" is de_DE; "C", "POSIX" and names Qt does not know
    // are the C locale.
    if (const QByteArray numeric = qgetenv(name); !numeric.isEmpty()) {
      return QLocale(QString::fromLatin1(numeric));
    }
  }
  return QLocale::c();
}

int run(const Arguments &arguments, char *program) {
  if (!arguments.error.isEmpty()) {
    printLine(stderr,
              arguments.error +
                  QStringLiteral(" Run \"%1 --help\" for the options.").arg(latin1(kProgramName)));
    return ExitStatus::kUsage;
  }
  // A closed pipe on standard output and a file-size limit become write
  // errors that we report, instead of killing us half-way through a write.
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
  const Command &command = *arguments.command;
  if (command.immediate) return command.run(arguments, {});
  int qtArgc = 1;
  char *qtArgv[] = {program, nullptr};
  QCoreApplication app(qtArgc, qtArgv);
  QLocale::setDefault(numbersLocale());
  if (!command.readsDatabase) return command.run(arguments, {});
  const std::optional<QByteArray> named = arguments.value(kDatabase.name);
  const std::optional<fs::path> database = named ? std::optional(fs::path(named->toStdString()))
                                                 : CXExportStorage::defaultDatabasePath();
  if (!database) {
    printLine(stderr, CXExportStorage::containerNotFound().message.english());
    return ExitStatus::kNoDatabase;
  }
  return command.run(arguments, *database);
}

}  // namespace

Arguments parseArguments(int argc, char **argv) {
  Arguments a;
  // The first sentence of the gravest kind: an unknown option (0), a missing
  // or unwanted value (1), any other (2).
  int gravity = 3;
  auto fail = [&](const QString &sentence, int kind = 2) {
    if (kind < gravity) a.error = sentence;
    gravity = std::min(gravity, kind);
  };
  // A second value, an empty one or one that the option refuses is no use.
  auto take = [&](const Option &o, const QByteArray &value) {
    if (a.value(o.name)) {
      fail(QStringLiteral("The option %1 was given twice; give it once.").arg(dashed(o.name)));
    } else if (value.isEmpty() && o.valueOptional()) {
      fail(QStringLiteral("The option %1 needs a non-empty %2, or none for the default one.")
               .arg(dashed(o.name), latin1(o.value.substr(1, o.value.size() - 2)).toLower()));
    } else if (value.isEmpty()) {
      fail(QStringLiteral("The option %1 needs a non-empty value.").arg(dashed(o.name)));
    } else if (const char *problem = o.refuse ? o.refuse(value) : nullptr) {
      fail(QStringLiteral("The option %1 %2.").arg(dashed(o.name), QLatin1String(problem)));
    }
    a.given.push_back({o.name, value});
  };
  auto isOption = [](std::string_view arg) { return arg.size() > 1 && arg[0] == '-'; };
  // Qt's own options go to Qt wherever they are, as QApplication takes them.
  std::vector<const char *> ours;
  for (int i = 1; i < argc; ++i) {
    auto [name, value] = isOption(argv[i]) ? split(argv[i]) : decltype(split(argv[i])){};
    const std::string_view valued = wordOf(kQtValued, name),
                           qt = valued.empty() ? wordOf(kQtFlags, name) : valued;
    if (qt.empty()) {
      ours.push_back(argv[i]);
      continue;
    }
    if (!value && !valued.empty() && i + 1 < argc) value = QByteArray(argv[++i]);
    a.given.push_back({qt, value});
  }
  const Option *awaiting = nullptr;  // --backup: its folder may come anywhere, or not at all
  std::vector<QByteArray> positional;
  for (auto arg = ours.begin(); arg != ours.end(); ++arg) {
    if (std::string_view(*arg) == "--") {
      positional.insert(positional.end(), arg + 1, ours.end());
      break;
    }
    if (!isOption(*arg)) {
      positional.emplace_back(*arg);
      continue;
    }
    const auto [name, value] = split(*arg);
    const Known *known = findOption(name);
    const Option *o = known ? known->option : nullptr;
    if (!o) {
      const QByteArray written(*arg, name.data() + name.size() - *arg);
      fail(QStringLiteral("Unknown option \"%1\".").arg(QFile::decodeName(written)), 0);
    } else if (o->value.empty()) {
      if (value) fail(QStringLiteral("The option %1 takes no value.").arg(dashed(o->name)), 1);
      a.given.push_back({o->name, std::nullopt});
    } else if (value) {
      take(*o, *value);
    } else if (o->valueOptional()) {
      awaiting = o;
      a.given.push_back({o->name, std::nullopt});
    } else if (arg + 1 != ours.end()) {
      take(*o, *++arg);
    } else {
      fail(QStringLiteral("The option %1 needs a value after it.").arg(dashed(o->name)), 1);
    }
  }
  if (awaiting && !positional.empty() && !a.value(awaiting->name)) {
    take(*awaiting, positional.front());
    positional.erase(positional.begin());
  }
  for (const QByteArray &extra : positional) {
    fail(QStringLiteral("Unexpected argument \"%1\".").arg(QFile::decodeName(extra)));
  }
  for (const Arguments::Given &g : a.given) {
    const Known *k = findOption(g.option);
    if (k && !k->with.empty() &&
        std::ranges::none_of(k->with, [&a](const Command *c) { return a.has(c->option.name); })) {
      fail(QStringLiteral("The option %1 goes with %2.")
               .arg(dashed(g.option), listed(k->with, "or")));
    }
  }
  // Of the commands, one at most, unless --help or --version answers first.
  std::vector<const Command *> immediate, asked, exclusive;
  for (const Command *c : kCommands) {
    if (c->option.name.empty()) continue;
    if (!c->immediate) exclusive.push_back(c);
    if (a.has(c->option.name)) (c->immediate ? immediate : asked).push_back(c);
  }
  if (asked.size() > 1) fail(QStringLiteral("Give only one of %1.").arg(listed(exclusive, "and")));
  a.command = !immediate.empty() ? immediate.front()
              : asked.empty()    ? &kWindowCommand
                                 : asked.front();
  return a;
}

int runCommandLine(const Arguments &arguments, char *program) {
  try {
    return run(arguments, program);
  } catch (const std::bad_alloc &) {
    printLine(stderr, QStringLiteral("Not enough memory to finish. Close other programs, or "
                                     "raise the memory limit, and try again."));
    return ExitStatus::kOutOfMemory;
  }
}

QString commandLineHelp() {
  const QString program = latin1(kProgramName);
  QStringList usage, immediate;
  for (const Command *c : kCommands) {
    if (c->immediate) immediate << dashed(c->option.name);
    if (c->immediate || c->internal) continue;
    QStringList words{program};
    if (c->readsDatabase) words << u'[' + synopsis(kDatabase) + u']';
    if (!c->option.name.empty()) words << synopsis(c->option);
    for (const Option &o : c->options) words << u'[' + synopsis(o) + u']';
    usage << wrapped(words, 11);
  }
  usage << program + u' ' + immediate.join(QStringLiteral(" | "));
  QString options;
  const QString indent(19, u' ');
  for (const auto &[o, with] : known()) {
    QString left = QStringLiteral("  ") +
                   (o->letter ? QStringLiteral("-%1, ").arg(QChar(o->letter)) : QString()) +
                   synopsis(*o);
    QStringList paragraphs;
    const QString prefix =
        with.empty() ? QString() : QStringLiteral("With %1: ").arg(listed(with, "or"));
    for (const QString &paragraph : (prefix + latin1(o->help)).split(u'\n')) {
      paragraphs << wrapped(paragraph.split(u' '), indent.size());
    }
    options += (left.size() > 17 ? left + u'\n' + indent : left.leftJustified(indent.size())) +
               paragraphs.join(u'\n' + indent) + u'\n';
  }
  QString help = QStringLiteral("Usage: ") + usage.join(QStringLiteral("\n       ")) +
                 QStringLiteral(
                     "\n\n"
                     "Exports the subscriptions of the Orvella feed reader to an OPML 1.0 file.\n"
                     "\n"
                     "Options:\n") +
                 options +
                 QStringLiteral(
                     "\n"
                     "Without one of these the export window opens (on\n"
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
                     "is no display; 8 a backup found far fewer feeds than the newest backup.");
  return help.replace(QChar(0xA0), u' ').arg(defaultDatabaseText());
}

namespace {

int help(const Arguments &, const fs::path &) { return printToStdout(commandLineHelp(), "help"); }

int version(const Arguments &, const fs::path &) {
  const char *const text = " " ORVELLA_VERSION " (build " ORVELLA_BUILD_NUMBER ")";
  return printToStdout(latin1(kProgramName) + QLatin1String(text), "version");
}

}  // namespace

extern const Command kHelpCommand{
    .option = {.name = "help", .help = "Show this help and exit.", .letter = 'h'},
    .run = help,
    .immediate = true};

extern const Command kVersionCommand{
    .option = {.name = "version", .help = "Show the version and exit.", .letter = 'v'},
    .run = version,
    .immediate = true};
