#pragma once

#include <QLoggingCategory>
#include <QString>

Q_DECLARE_LOGGING_CATEGORY(orvellaLog)

// The program's log line: one line on standard error (through Qt's message
// handler, so tests can capture it) and in the system log.
namespace Log {

void line(const QString &text);

}  // namespace Log
