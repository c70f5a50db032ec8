#include <unistd.h>

#include <QFile>
#include <QLocale>

#include "app/CommandLine.h"
#include "app/ExitStatus.h"
#include "app/StandardStreams.h"
#include "export/OpmlCheck.h"

namespace {

int runCheck(const Arguments &arguments, const std::filesystem::path &) {
  const QByteArray file = *arguments.value("check");
  const bool standardInput = file == "-";
  const OpmlCheckReport report =
      standardInput ? checkOpmlDescriptor(STDIN_FILENO) : checkOpmlFile(file);
  const QString shown = standardInput ? QStringLiteral("Standard input")
                                      : QStringLiteral("\"%1\"").arg(QFile::decodeName(file));
  const QStringList sentences = checkReportSentences(report, shown, QLocale());
  if (const int status = printToStdout(sentences.join(QLatin1Char('\n')), "check")) {
    return status;
  }
  return report.clean() ? ExitStatus::kOk : ExitStatus::kCheckFoundProblems;
}

}  // namespace

extern const Command kCheckCommand{
    .option = {.name = "check",
               .value = "FILE",
               .help = "Read any OPML file and say how many feeds it holds and what would trouble "
                       "an importer, with counts: XML that is not well-formed; a version other "
                       "than 1.0 or 2.0; a head without title; feeds without type=\"rss\" or with "
                       "xmlUrl in another case; outlines without a feed address or with an empty "
                       "text; titles with line breaks or tabs, or that repeat (case, punctuation "
                       "and spaces aside); addresses that repeat, as written or as --compare "
                       "matches them, or are not http(s); no feeds at all. Exits 0 when there is "
                       "none, else 1. FILE\xa0- reads standard input; a folder, pipe or device is "
                       "refused unread."},
    .run = runCheck};
