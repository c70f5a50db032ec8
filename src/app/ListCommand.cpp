#include <QByteArray>
#include <optional>
#include <string_view>

#include "app/CommandLine.h"
#include "app/ExitStatus.h"
#include "app/Reports.h"
#include "app/Spool.h"
#include "app/StandardStreams.h"
#include "store/FeedDatabase.h"

namespace fs = std::filesystem;

namespace {

// Control characters would break the one-line-per-feed layout.
void appendListField(QByteArray &out, const std::optional<std::string_view> &utf8) {
  if (!utf8) {
    return;
  }
  for (const char c : *utf8) {
    const auto b = static_cast<unsigned char>(c);
    out.append(b < 0x20 || b == 0x7F ? ' ' : c);
  }
}

int runList(const Arguments &, const fs::path &database) {
  if (stdoutIsTheDatabase(database)) return ExitStatus::kUsage;
  Spool spool;
  QByteArray line;
  ReadOptions options;
  options.onRestart = [&spool] { spool.rewind(); };
  const ReadResult read = forEachFeedRowAt(
      database,
      [&](const FeedRow &row) {
        line.clear();
        appendListField(line, row.title);
        line.append('\t');
        appendListField(line, row.htmlUrl);
        line.append('\t');
        appendListField(line, row.xmlUrl);
        line.append('\n');
        return spool.append(line.constData(), line.size());
      },
      options);
  if (read.status != ReadStatus::Stopped && !read.ok()) return readFailed(read);
  if (auto error = spool.error()) {
    printLine(stderr, *error);
    return ExitStatus::kWriteFailed;
  }
  if (const int status = spool.copyToStdout("list")) return status;
  sayRepaired(read);
  return ExitStatus::kOk;
}

}  // namespace

extern const Command kListCommand{
    .option = {.name = "list",
               .help = "Print the feeds, one a line: title, site address and feed address, "
                       "separated by tabs."},
    .run = runList,
    .readsDatabase = true};
