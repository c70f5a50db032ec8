#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// What the window mode checks and arranges before Qt makes its application
// object, where Qt itself would hang, abort or leave something behind.
namespace WindowStart {

// The largest style sheet taken: a real one is a few kilobytes.
inline constexpr long long kLargestStyleSheet = 4 * 1024 * 1024;

// The sentence that refuses a -stylesheet naming something other than a
// regular file (a device, a pipe, a folder), which Qt would read until
// memory runs out or wait on for ever, or a file over kLargestStyleSheet;
// absent when there is nothing to refuse.
std::optional<QString> styleSheetRefusal(const std::optional<QByteArray> &sheet);

// Until started() is called, a fatal message from Qt (no display, a platform
// it cannot load) ends the program with a sentence of ours and
// ExitStatus::kNoDisplay instead of Qt's abort. Qt's own warnings before it
// still go to standard error, as they would. platform: the -platform asked for.
void reportFatalStartFailures(const std::optional<QByteArray> &platform);
void started();

// The sentence for Qt's fatal message, given the platform that was asked
// for (empty when none was named).
QString noDisplaySentence(const QString &qtMessage, const QString &platform);

}  // namespace WindowStart
