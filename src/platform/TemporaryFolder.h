#pragma once

#include <QString>
#include <optional>
#include <string>

#include "platform/Sentence.h"

// The folder for the program's temporary files: TMPDIR when it names an
// existing folder we may write to, else /tmp when that is one; nothing when
// neither is. A TMPDIR that does not exist must not lead to files made
// somewhere else (a relative name, or the root folder).
namespace TemporaryFolder {

std::optional<std::string> path();

// A sentence for when path() gives nothing: which folders were tried and
// what to do.
Sentence unavailableSentence();

// The folder as the user would name it, for messages: path() when there is
// one.
QString shown();

}  // namespace TemporaryFolder
