#include "CheckCommand.h"

#include <unistd.h>

#include <QFile>
#include <QLocale>

#include "app/ExitStatus.h"
#include "app/StandardStreams.h"
#include "export/OpmlCheck.h"

int runCheck(const QByteArray &file) {
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
