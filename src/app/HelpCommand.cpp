#include "app/HelpCommand.h"

#include <QFile>

#include "app/BackupFolder.h"
#include "app/StandardStreams.h"
#include "store/CXExportStorage.h"

namespace {

constexpr char kProgram[] = "orvella-exporter";

QString defaultDatabaseText() {
  auto path = CXExportStorage::defaultDatabasePath();
  if (!path) {
    return QStringLiteral("Documents/Feeds in the reader's application-group folder");
  }
  return QFile::decodeName(path->c_str());
}

}  // namespace

QString commandLineHelp() {
  return QStringLiteral(
             "Usage: %1 [--database PATH] [--export FILE | --list]\n"
             "       %1 [--database PATH] --backup [FOLDER] [--keep N]\n"
             "       %1 --check FILE\n"
             "       %1 [--database PATH] --compare FILE\n"
             "\n"
             "Exports the subscriptions of the Orvella feed reader to an OPML 1.0 file.\n"
             "\n"
             "Options:\n"
             "  --database PATH  Read this database file instead of the reader's own:\n"
             "                   %2\n"
             "  --export FILE    Write every feed to FILE as an OPML document in UTF-8;\n"
             "                   \"-\" writes it to standard output. The file is read back\n"
             "                   and compared with what was written; a one-line summary\n"
             "                   goes to standard error. An existing FILE that is\n"
             "                   write-protected (no write permission for you, or none\n"
             "                   for anyone, even for root) is left as it is. A feed\n"
             "                   without a title is named by its address.\n"
             "  --list           Print the feeds, one a line: title, site address and\n"
             "                   feed address, separated by tabs.\n"
             "  --check FILE     Read any OPML file and say how many feeds it holds and\n"
             "                   what would trouble an importer, with counts: XML that is\n"
             "                   not well-formed; a version other than 1.0 or 2.0; a head\n"
             "                   without title; feeds without type=\"rss\" or with xmlUrl\n"
             "                   in another case; outlines without a feed address or with\n"
             "                   an empty text; titles with line breaks or tabs, or that\n"
             "                   repeat (case, punctuation and spaces aside); addresses\n"
             "                   that repeat, as written or as --compare matches them,\n"
             "                   or are not http(s); no feeds at all. Exits 0 when there\n"
             "                   is none, else 1. FILE - reads standard input; a folder,\n"
             "                   pipe or device is refused unread.\n"
             "  --compare FILE   Hold the reader's feeds against another reader's OPML\n"
             "                   export: list the feeds it lacks and those the reader\n"
             "                   lacks, with a line of counts. Addresses match as readers\n"
             "                   take them (http or https, host case, default port,\n"
             "                   trailing slash, feed: prefixes); folders count. Exits 0\n"
             "                   when none of the reader's feeds is missing, else 1.\n"
             "  --backup [FOLDER]\n"
             "                   Write every feed to \"FOLDER/Orvella Feeds YYYY-MM-DD\n"
             "                   HHMMSS.opml\" (local time), and check it, unless the newest\n"
             "                   backup there already holds the same; says what changed\n"
             "                   since it, and keeps a copy as \"FOLDER/Orvella Feeds.opml\".\n"
             "                   FOLDER is made when missing; without it, \"Orvella\n"
             "                   Backups\" in the documents folder. The reader may go on\n"
             "                   running; a backup waits up to a minute for its lock.\n"
             "                   A backup with no feeds, or fewer than three quarters of\n"
             "                   the newest backup's, removes and replaces nothing and\n"
             "                   exits with 8.\n"
             "  --keep N         With --backup: keep the newest N backups (default %3);\n"
             "                   only your own files that this program wrote are removed.\n"
             "  --opml-version 2.0\n"
             "                   With --export or --backup: write OPML 2.0 (its head says\n"
             "                   when it was made) instead of the default 1.0.\n"
             "  --without-secrets\n"
             "                   With --export or --backup: leave out the feeds whose\n"
             "                   address carries a user name, password, key or token.\n"
             "  --importable-titles\n"
             "                   With --export or --backup: make titles safe for any\n"
             "                   reader: line breaks and tabs become spaces, and a title\n"
             "                   that repeats an earlier one (case, punctuation and\n"
             "                   spaces aside) gets \" (2)\", \" (3)\"... in feed order.\n"
             "                   Without it, the export warns of such titles, of feeds\n"
             "                   without a feed address, with an address that is not\n"
             "                   http(s), or repeated.\n"
             "  --notify-backup-failure\n"
             "                   Tell on the desktop that the daily backup failed; the\n"
             "                   backup service's failure unit runs it.\n"
             "  -h, --help       Show this help and exit.\n"
             "  -v, --version    Show the version and exit.\n"
             "\n"
             "Without one of these the export window opens (on\n"
             "the database named by --database, if given). A daily backup:\n"
             "systemctl --user enable --now orvella-exporter-backup.timer\n"
             "\n"
             "Qt's own options (-platform, -style, -display, -session, ...) are accepted.\n"
             "\n"
             "Exit status: 0 done; 1 no readable database, or --check found a problem;\n"
             "2 bad usage; 3 the output could not be written (no partial file is left);\n"
             "4 out of memory; 5 the window could not open because its module\n"
             "(orvella-exporter-window.so) is missing; 6 the written file, read back,\n"
             "does not hold what was written; 7 the window could not open because there\n"
             "is no display; 8 a backup found far fewer feeds than the newest backup.")
      .arg(QLatin1String(kProgram), defaultDatabaseText())
      .arg(kDefaultBackupsKept);
}

int runHelp() { return printToStdout(commandLineHelp(), "help"); }

int runVersion() {
  return printToStdout(QStringLiteral("%1 %2 (build %3)")
                           .arg(QLatin1String(kProgram), QStringLiteral(ORVELLA_VERSION),
                                QStringLiteral(ORVELLA_BUILD_NUMBER)),
                       "version");
}
