#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The command that starts the reader again after the exporter has quit: a shell
// that waits one second and then hands the reader's bundle path to the opener.
//
// Neither the path nor the opener is ever part of the script text: both reach
// the shell as positional arguments, and "$@" hands them on as separate words,
// so a path holding quotes, a dollar sign, a backquote, a backslash or a
// newline arrives at the opener byte for byte.
namespace RelaunchCommand {

struct Command {
  QString program;   // "/bin/sh"
  QStringList args;  // "-c", the script, "sh", the opener's words, the path
};

// The opener used when none is configured: gio launches the application that a
// desktop entry describes (see docs/relaunch.md).
QStringList defaultOpener();

// The opener named by the environment variable ORVELLA_OPENER, split into
// words the way a shell would (quotes group, nothing is expanded); the default
// opener when the variable is unset or empty.
QStringList openerFromEnvironment();

// The relaunch of bundlePath with opener; an empty opener means the default.
// Absent when the path is not absolute or holds a NUL character, which no
// argument can carry: a relative path would depend on the folder that the
// shell happens to start in, and one beginning with '-' could pass for an
// option.
std::optional<Command> build(const QString &bundlePath, const QStringList &opener);

}  // namespace RelaunchCommand
