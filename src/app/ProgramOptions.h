#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "app/BackupFolder.h"

// How --export and --backup write: which feeds and which OPML.
struct ExportChoices {
  bool withoutSecrets = false;    // --without-secrets
  bool opml2 = false;             // --opml-version 2.0
  bool importableTitles = false;  // --importable-titles
};

// What the program's arguments ask for, parsed once by the program and handed
// whole to the window's module. Names stay the bytes the user gave. Qt's own
// options (-platform, -style, ...) are left for QApplication.
struct ProgramOptions {
  enum class Command {
    Window,
    Help,
    Version,
    Export,
    List,
    Check,
    Backup,
    NotifyBackupFailure,  // a desktop notification that the timer's backup failed
    Compare,
  };

  Command command = Command::Window;
  std::optional<QByteArray> database;  // --database PATH
  QByteArray file;  // --export FILE ("-": standard output), --check FILE, --compare FILE
  std::optional<QByteArray> backupFolder;  // --backup FOLDER; absent: the default folder
  int keep = kDefaultBackupsKept;          // --keep N
  ExportChoices choices;
  // Two of Qt's own options, which the window checks before Qt starts.
  std::optional<QByteArray> platform;    // -platform NAME
  std::optional<QByteArray> styleSheet;  // -stylesheet FILE
};

struct ParsedOptions {
  ProgramOptions options;
  // A sentence when the arguments cannot be used; the options are then not
  // to be acted on.
  QString error;
};

ParsedOptions parseProgramOptions(int argc, char **argv);
