#pragma once

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <optional>

// Writing to the command line's streams.

// Prints text and a line feed, as UTF-8, and flushes the stream.
void printLine(FILE *stream, const QString &text);

// Writes everything to a descriptor; waits when it is non-blocking and full.
// On failure returns the system's reason.
std::optional<QString> writeAll(int fd, const char *data, std::size_t size);

std::optional<QString> writeStdout(const QByteArray &bytes);

// The exit status of a write to standard output of `what` ("the list"); a
// failure is said on standard error with the system's reason.
int stdoutStatus(const std::optional<QString> &error, const char *what);

// Prints text and a line feed on standard output; a write that fails is said
// on standard error and gives its own status.
int printToStdout(const QString &text, const char *what);
