#pragma once

#include <QString>
#include <filesystem>

#include "platform/AtomicFile.h"
#include "store/ReadResult.h"

// What the command line says on standard error about a read of the database
// and a write of its output.

// Says why the read failed, then `consequence` (" Nothing was exported.");
// returns kNoDatabase.
int readFailed(const ReadResult &read, const QString &consequence = QString());

// Values the read had to repair are worth a word: the output differs from
// the database there.
void sayRepaired(const ReadResult &read);

// True, and says so, when standard output is the database or one of its
// files: a redirection that opened it (1<>Feeds) would lose the reader's
// data at the first byte written.
bool stdoutIsTheDatabase(const std::filesystem::path &database);

// Says why the writer refused or failed; returns kUsage for a target that is
// the reader's own, else kWriteFailed.
int writeFailed(const AtomicFile::Writer &writer, const Sentence &reason);
