// The read-back of a written file when one feed has a very long title: the
// time of checkWrittenFile alone, for titles of 20 and 60 MiB (or the sizes
// given on the command line, in MiB). It prints figures; it is no test.
#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "export/ExportPass.h"
#include "export/WrittenFileCheck.h"

int main(int argc, char **argv) {
  std::vector<int> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
  if (sizes.empty()) sizes = {20, 60};
  QTemporaryDir dir;
  for (int mib : sizes) {
    const std::string title(std::size_t(mib) << 20, 'a');
    ExportPass pass;
    pass.add(FeedRow{"https://site/", title, 1, "https://site/feed"});
    const WrittenFeeds written = pass.written();
    const QByteArray document = std::move(pass).finish();
    const QString path = dir.filePath(QStringLiteral("long.opml"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(document) != document.size()) return 1;
    file.close();
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
      const auto start = std::chrono::steady_clock::now();
      const std::optional<QString> problem =
          checkWrittenFile(QFile::encodeName(path), QStringLiteral("long.opml"), written);
      const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
      if (problem) {
        std::fprintf(stderr, "%s\n", qPrintable(*problem));
        return 1;
      }
      best = std::min(best, took.count());
    }
    std::printf("title of %3d MiB: written-file check %.3f s (best of 5)\n", mib, best);
  }
  return 0;
}
