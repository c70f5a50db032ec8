#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/AtomicFile.h"
#include "store/FeedRow.h"
#include "store/ReadResult.h"

// Read-only access to a reader database file. Every call opens a connection of
// its own and closes it before returning. Nothing here writes to the database,
// its log or its journal, or creates a file beside it: a database that needs
// recovery is read from a private copy. The one file that may change is an
// existing shared-memory index (-shm), as SQLite's readers keep it current.
// Names are taken as bytes and never read as SQLite URIs.

// True when the name leads to a regular file that can be opened for reading;
// a FIFO, socket, device or folder is answered at once with false. Opens
// nothing for longer than the call and never creates the file.
bool canOpenDatabaseAt(const std::filesystem::path &path);

// What opening the file would give, without reading it: Ok when it can be
// opened, else the OpenFailed outcome a read would give, sentence included.
ReadResult probeDatabaseAt(const std::filesystem::path &path);

// Runs the feeds query and keeps every row in ReadResult::rows.
ReadResult readFeedsAt(const std::filesystem::path &path, const ReadOptions &options = {});

// Runs the feeds query and hands each row to onRow as it is read, so that a
// caller that streams the rows never holds all of them at once.
ReadResult forEachFeedRowAt(const std::filesystem::path &path, const FeedRowVisitor &onRow,
                            const ReadOptions &options = {});

// The names of the database's own files, links resolved: the file itself
// and the -wal, -shm and -journal that SQLite keeps beside it (whether they
// exist or not). An export must never replace any of them.
std::vector<std::string> databaseFileNames(const std::filesystem::path &database);

// The same names for the reader's own database (ReaderContainer), whichever
// database is read; none when its folder cannot be located.
std::vector<std::string> readersDatabaseFileNames();

// Options for a write that must never replace those files, nor those of the
// reader's own database, with the reason it gives when asked to. An empty
// path spares only the reader's own database.
AtomicFile::Options sparingDatabaseFiles(const std::filesystem::path &database);
