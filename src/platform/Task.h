#pragma once

#include <QString>
#include <QStringList>

// Starting programs that live on their own.
class Task {
 public:
  // Starts path with args in a new session, with standard input, output and
  // error on /dev/null, and returns at once. The program is not our child: it
  // is started through a short-lived intermediate process that we reap at
  // once, so it leaves no zombie behind while we run and goes on after we end.
  // A path without a slash is looked up in PATH. Returns false, with a log
  // line, when the program cannot be found or executed or the start fails;
  // what the program does afterwards is not observed.
  static bool launchDetached(const QString &path, const QStringList &args);
};
