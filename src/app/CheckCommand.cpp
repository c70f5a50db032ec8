#include "CheckCommand.h"

#include <QFile>
#include <QLocale>

#include "app/ExitStatus.h"
#include "app/StandardStreams.h"
#include "export/OpmlCheck.h"

int runCheck(const QByteArray &file) {
  const OpmlCheckReport report = checkOpmlFile(file);
  const QStringList sentences = checkReportSentences(report, QFile::decodeName(file), QLocale());
  if (const int status = printToStdout(sentences.join(QLatin1Char('\n')), "check")) {
    return status;
  }
  return report.clean() ? ExitStatus::kOk : ExitStatus::kCheckFoundProblems;
}
