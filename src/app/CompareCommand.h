#pragma once

#include <QByteArray>
#include <filesystem>

// --compare FILE: the reader's feeds held against another reader's OPML
// export. Prints the reader's feeds that the file lacks, the file's feeds
// that the reader lacks, and a line of counts. Returns 0 when none of the
// reader's feeds is missing, else 1 (also when the file cannot be compared,
// which a sentence on standard error tells).
int runCompare(const std::filesystem::path &database, const QByteArray &file);
