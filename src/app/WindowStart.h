#pragma once

#include <QString>
#include <optional>

// What the window mode checks and arranges before Qt makes its application
// object, where Qt itself would hang, abort or leave something behind.
namespace WindowStart {

// The sentence that refuses a -stylesheet naming something other than a
// regular file (a device, a pipe, a folder), which Qt would read until
// memory runs out or wait on for ever; absent when there is nothing to refuse.
std::optional<QString> styleSheetRefusal(int argc, char **argv);

// Until started() is called, a fatal message from Qt (no display, a platform
// it cannot load) ends the program with a sentence of ours and
// ExitStatus::kNoDisplay
// instead of Qt's abort. Qt's own warnings before it still go to standard
// error, as they would.
void reportFatalStartFailures(int argc, char **argv);
void started();

// The sentence for Qt's fatal message, given the platform that was asked
// for (empty when none was named).
QString noDisplaySentence(const QString &qtMessage, const QString &platform);

}  // namespace WindowStart
