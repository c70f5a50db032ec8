#include "store/ReadResult.h"

#include <sqlite3.h>

#include <QFile>
#include <cerrno>
#include <cstring>
#include <system_error>

namespace fs = std::filesystem;

namespace {

QString shown(const fs::path &path) { return QFile::decodeName(path.native().c_str()); }

Sentence describeOpenFailure(const fs::path &path, int systemErrno, const QString &sqliteMessage) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) {
    return Sentence(QT_TRANSLATE_NOOP(
                        "CXInterfaceString",
                        "\"%1\" is a folder, not a database file. Name the Feeds file itself."))
        .arg(shown(path));
  }
  switch (systemErrno) {
    case ENOENT:
    case ENOTDIR:
      return Sentence(QT_TRANSLATE_NOOP("CXInterfaceString",
                                        "There is no database file at \"%1\". Check the path, or "
                                        "start Orvella once so "
                                        "that it creates its database."))
          .arg(shown(path));
    case EACCES:
    case EPERM:
      return Sentence(QT_TRANSLATE_NOOP(
                          "CXInterfaceString",
                          "The database \"%1\" cannot be opened: permission denied. Make the file "
                          "readable for your user and try again."))
          .arg(shown(path));
    case EMFILE:
    case ENFILE:
      // Nothing is wrong with the file: the process or the system has run
      // out of open files.
      return Sentence(QT_TRANSLATE_NOOP(
                          "CXInterfaceString",
                          "The database \"%1\" cannot be opened because too many files are open "
                          "(%2). Close other programs, or raise the limit on open files, and try "
                          "again."))
          .arg(shown(path))
          .arg(QString::fromLocal8Bit(std::strerror(systemErrno)));
    default:
      return Sentence(QT_TRANSLATE_NOOP(
                          "CXInterfaceString",
                          "The database \"%1\" cannot be opened (%2). Check the file and try "
                          "again."))
          .arg(shown(path))
          .arg(sqliteMessage);
  }
}

Sentence describeReadFailure(const fs::path &path, ReadStatus status, int code,
                             const QString &sqliteMessage, std::size_t rowsRead) {
  const QString file = shown(path);
  switch (status) {
    case ReadStatus::Locked:
      return Sentence(
                 QT_TRANSLATE_NOOP(
                     "CXInterfaceString",
                     "The database \"%1\" is locked by another program (%2). Quit Orvella, or wait "
                     "until it has finished writing, and try again."))
          .arg(file)
          .arg(sqliteMessage);
    case ReadStatus::NotADatabase:
      return Sentence(QT_TRANSLATE_NOOP("CXInterfaceString",
                                        "\"%1\" is not an SQLite database (%2). Name the reader's "
                                        "Feeds database file."))
          .arg(file)
          .arg(sqliteMessage);
    case ReadStatus::Damaged:
      return Sentence(
                 QT_TRANSLATE_NOOP(
                     "CXInterfaceString",
                     "The database \"%1\" is damaged (%2). Let Orvella repair it, or export from a "
                     "backup copy."))
          .arg(file)
          .arg(sqliteMessage);
    case ReadStatus::NoFeedsTable:
      return Sentence(
                 QT_TRANSLATE_NOOP(
                     "CXInterfaceString",
                     "The database \"%1\" has no FEEDS table with the columns FEED_URL, "
                     "FEED_TITLE, CHANNEL_TYPE and INTERNAL_LINK (%2). Name the reader's Feeds "
                     "database file."))
          .arg(file)
          .arg(sqliteMessage);
    case ReadStatus::QueryRefused:
      if (sqliteMessage.startsWith(QLatin1String("unsafe use of"))) {
        return Sentence(
                   QT_TRANSLATE_NOOP(
                       "CXInterfaceString",
                       "The FEEDS view of the database \"%1\" calls a function that SQLite refuses "
                       "to run from a database file (%2). Export from the reader's own Feeds "
                       "database, or from a copy without that view."))
            .arg(file)
            .arg(sqliteMessage);
      }
      return Sentence(QT_TRANSLATE_NOOP(
                          "CXInterfaceString",
                          "The FEEDS table or view of the database \"%1\" cannot be queried (%2). "
                          "Export from the reader's own Feeds database, or let Orvella repair it."))
          .arg(file)
          .arg(sqliteMessage);
    case ReadStatus::Stopped:
      return Sentence(QT_TRANSLATE_N_NOOP("CXInterfaceString",
                                          "Reading the database \"%1\" was stopped after %Ln "
                                          "feeds."))
          .arg(file)
          .count(rowsRead);
    case ReadStatus::StepFailed:
      if ((code & 0xff) == SQLITE_CORRUPT) {
        return Sentence(
                   QT_TRANSLATE_N_NOOP(
                       "CXInterfaceString",
                       "The database \"%1\" is damaged: reading stopped after %Ln feeds (%2). Let "
                       "Orvella repair it, or export from a backup copy."))
            .arg(file)
            .count(rowsRead)
            .arg(sqliteMessage);
      }
      return Sentence(
                 QT_TRANSLATE_N_NOOP(
                     "CXInterfaceString",
                     "Reading the database \"%1\" stopped after %Ln feeds (%2). Check the file "
                     "and try again."))
          .arg(file)
          .count(rowsRead)
          .arg(sqliteMessage);
    default:
      return Sentence(QT_TRANSLATE_NOOP(
                          "CXInterfaceString",
                          "The database \"%1\" cannot be read (%2). Check the file and try again."))
          .arg(file)
          .arg(sqliteMessage);
  }
}

}  // namespace

ReadResult ReadResult::openFailed(const fs::path &path, int systemErrno, const QString &reason) {
  ReadResult result;
  result.status = ReadStatus::OpenFailed;
  result.sqliteMessage = reason;
  result.systemErrno = systemErrno;
  result.message = describeOpenFailure(path, systemErrno, reason);
  return result;
}

ReadResult ReadResult::failed(ReadStatus status, const fs::path &path, int sqliteCode,
                              const QString &sqliteMessage, std::size_t rowsRead) {
  ReadResult result;
  result.status = status;
  result.rowCount = rowsRead;
  result.sqliteMessage = sqliteMessage;
  result.message = describeReadFailure(path, status, sqliteCode, sqliteMessage, rowsRead);
  return result;
}

ReadResult ReadResult::unreadable(const QString &why, Sentence message) {
  ReadResult result;
  result.status = ReadStatus::Unreadable;
  result.sqliteMessage = why;
  result.message = std::move(message);
  return result;
}
