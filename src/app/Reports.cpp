#include "app/Reports.h"

#include <unistd.h>

#include <QFile>

#include "app/ExitStatus.h"
#include "app/StandardStreams.h"
#include "store/FeedDatabase.h"

int readFailed(const ReadResult &read, const QString &consequence) {
  printLine(stderr, read.message.english() + consequence);
  return ExitStatus::kNoDatabase;
}

void sayRepaired(const ReadResult &read) {
  if (read.repairedValues == 0) return;
  printLine(stderr,
            QStringLiteral("%1 of the feeds' texts held bytes that are not valid UTF-8; each "
                           "such sequence was written as the character U+FFFD.")
                .arg(read.repairedValues));
}

int writeFailed(const AtomicFile::Writer &writer, const Sentence &reason) {
  printLine(stderr, reason.english());
  return writer.failure() == AtomicFile::Failure::Protected ? ExitStatus::kUsage
                                                            : ExitStatus::kWriteFailed;
}

bool stdoutIsTheDatabase(const std::filesystem::path &database) {
  if (AtomicFile::isAnyOf(STDOUT_FILENO, databaseFileNames(database))) {
    printLine(stderr, QStringLiteral("Standard output is the database \"%1\" or one of its files. "
                                     "Send the output to another file.")
                          .arg(QFile::decodeName(database.c_str())));
    return true;
  }
  if (AtomicFile::isAnyOf(STDOUT_FILENO, readersDatabaseFileNames())) {
    printLine(stderr, QStringLiteral("Standard output is the reader's database or one of its "
                                     "files. Send the output to another file."));
    return true;
  }
  return false;
}
