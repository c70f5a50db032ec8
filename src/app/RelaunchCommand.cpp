#include "RelaunchCommand.h"

#include <QProcess>
#include <QtGlobal>

namespace RelaunchCommand {

namespace {

// The delay before the reader starts again, rendered the way "%f" renders it.
constexpr double kDelaySeconds = 1.0;

}  // namespace

QStringList defaultOpener() { return {QStringLiteral("gio"), QStringLiteral("launch")}; }

QStringList openerFromEnvironment() {
  const QString configured = qEnvironmentVariable("ORVELLA_OPENER");
  QStringList words = QProcess::splitCommand(configured);
  return words.isEmpty() ? defaultOpener() : words;
}

std::optional<Command> build(const QString &bundlePath, const QStringList &opener) {
  if (!bundlePath.startsWith(QLatin1Char('/')) || bundlePath.contains(QChar(0))) {
    return std::nullopt;
  }
  const QStringList words = opener.isEmpty() ? defaultOpener() : opener;
  for (const QString &word : words) {
    if (word.contains(QChar(0))) {
      return std::nullopt;
    }
  }
  Command command;
  command.program = QStringLiteral("/bin/sh");
  // "sh" becomes $0 (the name in the shell's error messages); the opener's
  // words and the path become "$@", which exec runs as they stand.
  command.args << QStringLiteral("-c") << QString::asprintf("sleep %f; exec \"$@\"", kDelaySeconds)
               << QStringLiteral("sh") << words << bundlePath;
  return command;
}

}  // namespace RelaunchCommand
