#include "export/ReadOutcomeNotice.h"

#include <QFile>
#include <cerrno>

#include "platform/Localized.h"

namespace {

QString text(const char *key) { return localized("CXInterfaceString", key); }

bool isMissingFile(const ReadResult &result) {
  return result.status == ReadStatus::OpenFailed &&
         (result.systemErrno == ENOENT || result.systemErrno == ENOTDIR);
}

}  // namespace

ReadOutcomeNotice readOutcomeNotice(const ReadResult &result, const CXExportStorage &store) {
  ReadOutcomeNotice notice;
  if (result.repairedValues > 0) {
    notice.repairNote = text(
                            "%1 of the feeds' texts held bytes that are not valid UTF-8; each "
                            "such sequence is shown and exported as the character �.")
                            .arg(result.repairedValues);
  }
  if (result.ok()) return notice;  // the list says itself when it has no feeds
  if (result.status == ReadStatus::StepFailed && result.rowCount > 0) {
    // The rows before the failure stay on show, marked as not the whole list.
    notice.warning = text("This list is incomplete. %1").arg(localized(result.message));
    return notice;
  }
  const auto path = store.databasePath();
  if (isMissingFile(result) && path) {
    const QString databasePath = QFile::decodeName(path->c_str());
    notice.placeholder =
        store.hasDatabasePathOverride()
            ? text(
                  "There is no database file at “%1”. Check the path given with --database, "
                  "then start the exporter again.")
                  .arg(databasePath)
            : text(
                  "No readable Orvella database was found at %1. Open Orvella once so that it "
                  "creates its database, then open the exporter again.")
                  .arg(databasePath);
    return notice;
  }
  notice.placeholder = localized(result.message);
  notice.offerTryAgain = result.status == ReadStatus::Locked;
  return notice;
}
