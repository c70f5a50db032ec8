#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QXmlStreamReader>
#include <csignal>
#include <functional>

#include "TestSupport.h"
#include "WriterProcess.h"
#include "export/OpmlWriter.h"
#include "store/FeedDatabase.h"

using testsupport::execSql;
using testsupport::readFile;
using testsupport::TempDir;
using testsupport::writeFile;
namespace fs = std::filesystem;

namespace {

struct Outcome {
  int exitCode = -1;
  QByteArray out;
  QByteArray err;
};

QString q(const fs::path &path) { return QString::fromStdString(path.string()); }

// The environment of a machine without a display.
QProcessEnvironment headless() {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    env.remove(name);
  }
  return env;
}

Outcome run(const QStringList &args, const fs::path &workingDir = fs::current_path(),
            const QProcessEnvironment &env = headless(),
            const std::function<void()> &inChild = nullptr, const QString &stdoutFile = {}) {
  QProcess process;
  process.setProcessEnvironment(env);
  process.setWorkingDirectory(q(workingDir));
  if (inChild) {
    process.setChildProcessModifier(inChild);
  }
  if (!stdoutFile.isEmpty()) {
    process.setStandardOutputFile(stdoutFile);
  }
  process.start(qEnvironmentVariable("ORVELLA_BINARY"), args);
  EXPECT_TRUE(process.waitForStarted()) << process.errorString().toStdString();
  process.closeWriteChannel();
  EXPECT_TRUE(process.waitForFinished(60'000));
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

const QString kSample = QStringLiteral(ORVELLA_SAMPLE_DATABASE);

QByteArray expectedSampleDocument(std::size_t *count = nullptr) {
  const ReadResult read = readFeedsAt(kSample.toStdString());
  EXPECT_TRUE(read.ok());
  if (count) *count = read.feeds.size();
  return opmlDocumentUtf8(read.feeds, allFeedRows(read.feeds.size()));
}

std::vector<std::string> namesIn(const fs::path &folder) {
  std::vector<std::string> names;
  for (const auto &entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

TEST(CommandLine, VersionAndHelpGoToStandardOutput) {
  for (const char *option : {"--version", "-v"}) {
    const Outcome r = run({option});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QByteArray("orvella-exporter " ORVELLA_EXPECTED_VERSION
                                " (build " ORVELLA_EXPECTED_BUILD ")\n"));
    EXPECT_TRUE(r.err.isEmpty());
  }
  const Outcome help = run({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(help.out.startsWith("Usage: orvella-exporter ")) << help.out.toStdString();
  for (const char *mention : {"--database PATH", "--export FILE", "--list", "--version",
                              "QM4T8ZK2WR.com.Corvanex.Orvella/Documents/Feeds"}) {
    EXPECT_TRUE(help.out.contains(mention)) << mention;
  }
}

TEST(CommandLine, BadUsageExitsWithTwoAndOneSentence) {
  const std::vector<QStringList> cases = {
      {"--bogus"},
      {"--export"},
      {"--export="},
      {"--list", "--export", "out.opml"},
      {"--database", "a", "--database", "b", "--list"},
      {"stray-argument", "--list"},
      {"--list=yes"},
  };
  TempDir dir;
  for (const auto &args : cases) {
    SCOPED_TRACE(args.join(' ').toStdString());
    const Outcome r = run(args, dir.path());
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.endsWith(". Run \"orvella-exporter --help\" for the options.\n"))
        << r.err.toStdString();
  }
  EXPECT_TRUE(fs::is_empty(dir.path()));
}

TEST(CommandLine, ExportWritesTheDocumentOfEveryFeedAndSaysWhere) {
  TempDir dir;
  std::size_t count = 0;
  const QByteArray expected = expectedSampleDocument(&count);
  ASSERT_GE(count, 30u);

  const Outcome r = run({"--database", kSample, "--export", "My Feeds.opml"}, dir.path());

  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  const fs::path written = dir / "My Feeds.opml";
  EXPECT_EQ(QString::fromUtf8(r.err),
            QStringLiteral("Exported %1 feeds to %2.\n").arg(count).arg(q(written)));
  EXPECT_TRUE(r.out.isEmpty());
  const QByteArray bytes = QByteArray::fromStdString(readFile(written));
  EXPECT_EQ(bytes, expected);

  QXmlStreamReader xml(bytes);
  std::size_t outlines = 0;
  while (!xml.atEnd()) {
    if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"outline") ++outlines;
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_EQ(outlines, count);
}

TEST(CommandLine, ExportToStandardOutputAndListing) {
  std::size_t count = 0;
  const QByteArray expected = expectedSampleDocument(&count);
  const Outcome exported = run({"--export", "-", "--database", kSample});
  EXPECT_EQ(exported.exitCode, 0);
  EXPECT_EQ(exported.out, expected);
  EXPECT_EQ(QString::fromUtf8(exported.err),
            QStringLiteral("Exported %1 feeds to standard output.\n").arg(count));

  const Outcome listed = run({"--list", "--database=" + kSample});
  EXPECT_EQ(listed.exitCode, 0);
  const QList<QByteArray> lines = listed.out.split('\n');
  ASSERT_EQ(static_cast<std::size_t>(lines.size()), count + 1);  // ends in a line feed
  EXPECT_EQ(lines[0],
            "BBC News - Home\thttps://www.bbc.co.uk/news\t"
            "https://feeds.bbci.co.uk/news/rss.xml");
  EXPECT_EQ(lines.count(QByteArray()), 1);
  int untitled = 0;
  for (const QByteArray &line : lines.mid(0, count)) {
    EXPECT_EQ(line.count('\t'), 2) << line.toStdString();
    untitled += line.startsWith('\t');
  }
  EXPECT_EQ(untitled, 1);
}

TEST(CommandLine, ListKeepsOneFeedPerLineWhateverTheValuesHold) {
  TempDir dir;
  execSql(dir / "Feeds", std::string(kFeedsTable) +
                             "INSERT INTO FEEDS (FEED_URL, FEED_TITLE, INTERNAL_LINK) VALUES"
                             " ('u1', 'two' || char(10) || 'lines' || char(9) || 'tab', NULL),"
                             " (NULL, NULL, 'l2');");
  const Outcome r = run({"--list", "--database", q(dir / "Feeds")});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "two lines tab\tu1\t\n\t\tl2\n");
}

TEST(CommandLine, FindsTheReaderDatabaseInTheGroupContainer) {
  TempDir dir;
  const fs::path documents = dir / "data" / "QM4T8ZK2WR.com.Corvanex.Orvella" / "Documents";
  fs::create_directories(documents);
  fs::copy_file(kSample.toStdString(), documents / "Feeds");
  QProcessEnvironment env = headless();
  env.insert("XDG_DATA_HOME", q(dir / "data"));
  const Outcome found = run({"--export", "-"}, dir.path(), env);
  EXPECT_EQ(found.exitCode, 0) << found.err.toStdString();
  EXPECT_EQ(found.out, expectedSampleDocument());

  env.remove("XDG_DATA_HOME");
  env.remove("HOME");
  const Outcome lost = run({"--list"}, dir.path(), env);
  EXPECT_EQ(lost.exitCode, 1);
  EXPECT_TRUE(lost.err.contains("cannot be located")) << lost.err.toStdString();
}

TEST(CommandLine, NoReadableDatabaseExitsWithOneAndWritesNothing) {
  TempDir dir;
  writeFile(dir / "empty", "");
  writeFile(dir / "text", "just some words\n");
  execSql(dir / "other", "CREATE TABLE NOTES (BODY TEXT);");
  for (const char *name : {"missing", "empty", "text", "other"}) {
    SCOPED_TRACE(name);
    const auto before = namesIn(dir.path());
    const Outcome r = run({"--database", q(dir / name), "--export", "out.opml"}, dir.path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(q(dir / name).toUtf8())) << r.err.toStdString();
    EXPECT_TRUE(r.err.endsWith("Nothing was exported.\n")) << r.err.toStdString();
    EXPECT_EQ(namesIn(dir.path()), before) << "no export file, and no database created";
  }
}

TEST(CommandLine, ReadThatFailsPartWayLeavesNoExportBehind) {
  TempDir dir;
  const auto db = dir / "Feeds";
  execSql(db, std::string("PRAGMA page_size=4096;") + kFeedsTable + kThreeThousandFeeds);
  // Damage a page late enough that a good part of the export was written.
  std::string bytes = readFile(db);
  std::fill(bytes.begin() + 150 * 4096, bytes.begin() + 151 * 4096, '\xA5');
  writeFile(db, bytes);
  writeFile(dir / "out.opml", "previous export");

  const Outcome r = run({"--database", q(db), "--export", "out.opml"}, dir.path());

  EXPECT_EQ(r.exitCode, 1);
  EXPECT_TRUE(r.err.contains("damaged")) << r.err.toStdString();
  EXPECT_EQ(readFile(dir / "out.opml"), "previous export");
  EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"Feeds", "out.opml"}));
}

TEST(CommandLine, LockedDatabaseEndsWithAMessageInsteadOfHanging) {
  TempDir dir;
  const auto db = dir / "Feeds";
  execSql(db, std::string(kFeedsTable) + "INSERT INTO FEEDS (FEED_TITLE) VALUES ('x');");
  auto writer = startWriter(db, {"exclusive"});
  const Outcome r = run({"--database", q(db), "--list"}, dir.path());
  killWriter(*writer);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_TRUE(r.err.contains("locked by another program")) << r.err.toStdString();
  EXPECT_TRUE(r.out.isEmpty());
}

TEST(CommandLine, OutputThatCannotBeWrittenExitsWithThreeAndLeavesNoPartialFile) {
  TempDir dir;
  // A folder that does not exist.
  const Outcome missing = run({"--database", kSample, "--export", "nowhere/out.opml"}, dir.path());
  EXPECT_EQ(missing.exitCode, 3);
  EXPECT_TRUE(missing.err.contains(q(dir / "nowhere" / "out.opml").toUtf8()))
      << missing.err.toStdString();

  // A write cut short, as on a full disk: the old export stays whole.
  writeFile(dir / "out.opml", "previous export");
  const Outcome cut =
      run({"--database", kSample, "--export", "out.opml"}, dir.path(), headless(), [] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{1024, 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
      });
  EXPECT_EQ(cut.exitCode, 3);
  EXPECT_TRUE(cut.err.startsWith("Could not save \"" + q(dir / "out.opml").toUtf8()))
      << cut.err.toStdString();
  EXPECT_EQ(readFile(dir / "out.opml"), "previous export");
  EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"out.opml"});

  // Standard output on a full device.
  const Outcome full =
      run({"--database", kSample, "--export", "-"}, dir.path(), headless(), nullptr, "/dev/full");
  EXPECT_EQ(full.exitCode, 3);
  EXPECT_TRUE(full.err.contains("standard output")) << full.err.toStdString();

  // The database itself is never the export target.
  fs::copy_file(kSample.toStdString(), dir / "Feeds");
  const std::string database = readFile(dir / "Feeds");
  const Outcome onto = run({"--database", "Feeds", "--export", q(dir / "Feeds")}, dir.path());
  EXPECT_EQ(onto.exitCode, 2);
  EXPECT_EQ(readFile(dir / "Feeds"), database);
}

TEST(CommandLine, KilledWalWriterInAFolderWeMayNotWriteIsStillReadWhole) {
  TempDir dir;
  const auto folder = dir / "container";
  fs::create_directory(folder);
  const auto db = folder / "Feeds";
  execSql(db, std::string("PRAGMA journal_mode=WAL;") + kFeedsTable);
  auto writer = startWriter(db, {"wal", "300"});
  killWriter(*writer);
  fs::path shm = db;
  shm += "-shm";
  fs::remove(shm);
  const auto before = namesIn(folder);

  // As root the folder is closed to the exporter by running it as nobody;
  // otherwise by taking our own write permission away.
  std::function<void()> asUnprivileged;
  if (geteuid() == 0) {
    asUnprivileged = [] {
      if (setgid(65534) != 0 || setuid(65534) != 0) _exit(99);
    };
  } else {
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec,
                    fs::perm_options::replace);
  }
  const Outcome r = run({"--database", q(db), "--list"}, dir.path(), headless(), asUnprivileged);
  fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);

  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(r.out.count('\n'), 300);
  EXPECT_EQ(namesIn(folder), before);
}

TEST(CommandLine, NeedsNeitherTheWindowsLibrariesNorItsModule) {
  // The program alone in a folder, without the window's module beside it.
  TempDir dir;
  const fs::path lone = dir / "orvella-exporter";
  fs::copy_file(qEnvironmentVariable("ORVELLA_BINARY").toStdString(), lone);
  QProcessEnvironment env = headless();
  env.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("files"));  // names every library loaded
  struct Case {
    QStringList args;
    int exitCode;
  };
  const std::vector<Case> cases = {
      {{QStringLiteral("--version")}, 0},
      {{QStringLiteral("--database"), kSample, QStringLiteral("--list")}, 0},
      {{QStringLiteral("--database"), kSample, QStringLiteral("--export"), q(dir / "out.opml")}, 0},
      {{QStringLiteral("--database"), kSample}, 4},  // the window: its module is missing
  };
  for (const Case &c : cases) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(q(lone), c.args);
    ASSERT_TRUE(process.waitForFinished(60'000)) << c.args.join(' ').toStdString();
    const QByteArray err = process.readAllStandardError();
    EXPECT_EQ(process.exitCode(), c.exitCode) << c.args.join(' ').toStdString() << "\n"
                                              << err.toStdString();
    EXPECT_TRUE(err.contains("libQt6Core")) << "the loader names what it loads";
    for (const char *gui : {"libQt6Gui", "libQt6Widgets", "libQt6DBus", "libQt6Svg"}) {
      EXPECT_FALSE(err.contains(gui)) << c.args.join(' ').toStdString() << " loaded " << gui;
    }
  }
  QProcess window;
  window.setProcessEnvironment(headless());
  window.start(q(lone), {QStringLiteral("--database"), kSample});
  ASSERT_TRUE(window.waitForFinished(60'000));
  const QString said = QString::fromUtf8(window.readAllStandardError());
  EXPECT_TRUE(said.contains(QStringLiteral("The export window cannot open")) &&
              said.contains(QStringLiteral("orvella-exporter-window.so")) &&
              said.contains(QStringLiteral("Reinstall OrvellaExporter")))
      << said.toStdString();
}
