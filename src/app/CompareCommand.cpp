#include <QFile>
#include <QLocale>
#include <vector>

#include "app/CommandLine.h"
#include "app/ExitStatus.h"
#include "app/Reports.h"
#include "app/StandardStreams.h"
#include "export/FeedListComparison.h"
#include "export/WrittenFileCheck.h"
#include "store/FeedDatabase.h"

namespace fs = std::filesystem;

namespace {

// One line of a list: tab, text, tab, address, with no line break inside.
QString listLine(const QString &text, const QString &address) {
  QString line = QLatin1Char('\t') + text + QLatin1Char('\t') + address;
  for (qsizetype i = 1; i < line.size(); ++i) {
    if (line[i] < QChar(0x20) && line[i] != QLatin1Char('\t')) line[i] = QLatin1Char(' ');
  }
  return line;
}

int runCompare(const Arguments &arguments, const fs::path &database) {
  const QByteArray file = *arguments.value("compare");
  const QLocale locale;
  // The reader's feeds: those with a feed address, in the reader's order.
  std::vector<QString> titles, addresses;
  ReadOptions options;
  options.onRestart = [&] {
    titles.clear();
    addresses.clear();
  };
  const ReadResult read = forEachFeedRowAt(
      database,
      [&](const FeedRow &row) {
        const QString address = textOf(row.xmlUrl).trimmed();
        if (!address.isEmpty()) {
          titles.push_back(textOf(row.title));
          addresses.push_back(address);
        }
        return true;
      },
      options);
  if (!read.ok()) return readFailed(read, QStringLiteral(" Nothing was compared."));
  const QString shownName = QFile::decodeName(file);
  const FeedListComparison comparison = compareWithOpmlFile(addresses, file, shownName);
  if (!comparison.ok()) {
    printLine(stderr, comparison.problem.english());
    return ExitStatus::kCompareFoundMissing;
  }
  const QString name = QStringLiteral("\"%1\"").arg(shownName);
  QStringList lines;
  if (!comparison.missing.empty()) {
    lines << QStringLiteral("Missing from %1 (%2):")
                 .arg(name, locale.toString(qulonglong(comparison.missing.size())));
    for (const std::size_t i : comparison.missing) lines << listLine(titles[i], addresses[i]);
  }
  if (!comparison.extra.empty()) {
    lines << QStringLiteral("In %1 but not in the reader (%2):")
                 .arg(name, locale.toString(qulonglong(comparison.extra.size())));
    for (const auto &[text, address] : comparison.extra) lines << listLine(text, address);
  }
  const QString others =
      comparison.extra.empty()
          ? QStringLiteral("it holds no feed that the reader lacks")
          : QStringLiteral("%1 in it %2 not in the reader")
                .arg(feedCountText(comparison.extra.size(), locale),
                     comparison.extra.size() == 1 ? QStringLiteral("is") : QStringLiteral("are"));
  if (comparison.missing.empty()) {
    lines << QStringLiteral("All %1 of the reader are in %2; %3.")
                 .arg(feedCountText(addresses.size(), locale), name, others);
  } else {
    lines << QStringLiteral(
                 "%1 of %2 %3 missing from %4; %5. Export the missing ones (the "
                 "window's compare ticks them) and import them there again.")
                 .arg(locale.toString(qulonglong(comparison.missing.size())),
                      feedCountText(addresses.size(), locale),
                      comparison.missing.size() == 1 ? QStringLiteral("is") : QStringLiteral("are"),
                      name, others);
  }
  if (const int status = printToStdout(lines.join(QLatin1Char('\n')), "comparison")) return status;
  return comparison.missing.empty() ? ExitStatus::kOk : ExitStatus::kCompareFoundMissing;
}

}  // namespace

extern const Command kCompareCommand{
    .option = {.name = "compare",
               .value = "FILE",
               .help = "Hold the reader's feeds against another reader's OPML export: list the "
                       "feeds it lacks and those the reader lacks, with a line of counts. "
                       "Addresses match as readers take them (http or https, host case, default "
                       "port, trailing slash, feed: prefixes); folders count. Exits 0 when none of "
                       "the reader's feeds is missing, else 1."},
    .run = runCompare,
    .readsDatabase = true};
