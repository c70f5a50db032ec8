#include "app/ProgramOptions.h"

#include <QCommandLineParser>
#include <QFile>
#include <QStringList>
#include <algorithm>
#include <iterator>
#include <string_view>

namespace {

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
// gives back the very bytes of argv. The last -platform and -stylesheet go
// into options.
QStringList ourArguments(int argc, char **argv, ProgramOptions &options) {
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
        std::optional<QByteArray> value;
        if (inlineValue) {
          value = QByteArray(name.data() + eq + 1);
        } else if (qt->takesValue && i + 1 < argc) {
          value = QByteArray(argv[++i]);
        }
        if (name == "platform" && value) options.platform = value;
        if (name == "stylesheet" && value) options.styleSheet = value;
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

}  // namespace

ParsedOptions parseProgramOptions(int argc, char **argv) {
  ParsedOptions parsed;
  ProgramOptions &o = parsed.options;
  const QStringList arguments = splitBackupValue(ourArguments(argc, argv, o));
  auto fail = [&parsed](const QString &error) {
    if (parsed.error.isEmpty()) parsed.error = error;
  };

  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
  const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
  const QCommandLineOption list(QStringLiteral("list"));
  const QCommandLineOption database(QStringLiteral("database"), QString(), QStringLiteral("PATH"));
  const QCommandLineOption exportTarget(QStringLiteral("export"), QString(),
                                        QStringLiteral("FILE"));
  const QCommandLineOption check(QStringLiteral("check"), QString(), QStringLiteral("FILE"));
  const QCommandLineOption backup(QStringLiteral("backup"));
  const QCommandLineOption keep(QStringLiteral("keep"), QString(), QStringLiteral("N"));
  const QCommandLineOption notify(QStringLiteral("notify-backup-failure"));
  const QCommandLineOption withoutSecrets(QStringLiteral("without-secrets"));
  const QCommandLineOption compare(QStringLiteral("compare"), QString(), QStringLiteral("FILE"));
  const QCommandLineOption importableTitles(QStringLiteral("importable-titles"));
  const QCommandLineOption opmlVersion(QStringLiteral("opml-version"), QString(),
                                       QStringLiteral("VERSION"));
  parser.addOptions({help, version, list, database, exportTarget, check, backup, keep, notify,
                     withoutSecrets, opmlVersion, compare, importableTitles});

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
      for (const char *name : {"database", "export", "check", "keep", "list", "backup", "help",
                               "version", "notify-backup-failure"}) {
        const QString option = QStringLiteral("--") + QLatin1String(name);
        if (!text.contains(option) && !text.contains(QLatin1Char('\'') + QLatin1String(name))) {
          continue;
        }
        const std::string_view n(name);
        const bool takesValue =
            n == "database" || n == "export" || n == "check" || n == "keep" || n == "opml-version";
        fail(takesValue ? QStringLiteral("The option %1 needs a value after it.").arg(option)
                        : QStringLiteral("The option %1 takes no value.").arg(option));
      }
      fail(text);
    }
    return parsed;
  }

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
  std::optional<QByteArray> exportTo, checked, compared;
  takeValue(database, o.database);
  takeValue(exportTarget, exportTo);
  takeValue(check, checked);
  takeValue(compare, compared);
  const bool backingUp = parser.isSet(backup);
  QStringList extras = parser.positionalArguments();
  if (backingUp && !extras.isEmpty()) {
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
    } else if (!backingUp) {
      fail(QStringLiteral("The option --keep goes with --backup."));
    }
  }
  o.choices.withoutSecrets = parser.isSet(withoutSecrets);
  if (o.choices.withoutSecrets && !exportTo && !backingUp) {
    fail(QStringLiteral("The option --without-secrets goes with --export or --backup."));
  }
  o.choices.importableTitles = parser.isSet(importableTitles);
  if (o.choices.importableTitles && !exportTo && !backingUp) {
    fail(QStringLiteral("The option --importable-titles goes with --export or --backup."));
  }
  std::optional<QByteArray> versionText;
  takeValue(opmlVersion, versionText);
  if (versionText) {
    if (*versionText != "1.0" && *versionText != "2.0") {
      fail(QStringLiteral("The option --opml-version takes 1.0 or 2.0."));
    } else if (!exportTo && !backingUp) {
      fail(QStringLiteral("The option --opml-version goes with --export or --backup."));
    }
    o.choices.opml2 = *versionText == "2.0";
  }
  const bool listing = parser.isSet(list);
  const bool notifying = parser.isSet(notify);
  if (int(listing) + int(exportTo.has_value()) + int(checked.has_value()) + int(backingUp) +
          int(notifying) + int(compared.has_value()) >
      1) {
    fail(
        QStringLiteral("Give only one of --export, --list, --check, --compare, --backup and "
                       "--notify-backup-failure."));
  }
  using Command = ProgramOptions::Command;
  if (parser.isSet(help)) {
    o.command = Command::Help;
  } else if (parser.isSet(version)) {
    o.command = Command::Version;
  } else if (listing) {
    o.command = Command::List;
  } else if (exportTo) {
    o.command = Command::Export;
    o.file = *exportTo;
  } else if (checked) {
    o.command = Command::Check;
    o.file = *checked;
  } else if (backingUp) {
    o.command = Command::Backup;
  } else if (notifying) {
    o.command = Command::NotifyBackupFailure;
  } else if (compared) {
    o.command = Command::Compare;
    o.file = *compared;
  }
  return parsed;
}
