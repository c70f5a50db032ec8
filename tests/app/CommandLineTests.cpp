#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <csignal>
#include <functional>
#include <map>

#include "ProgramRun.h"
#include "ReaderDatabase.h"
#include "TestSupport.h"
#include "WriterProcess.h"
#include "app/CommandLine.h"
#include "export/ExportPass.h"
#include "export/WrittenFileCheck.h"
#include "store/FeedDatabase.h"

using namespace programrun;

namespace {

const QString kSample = QStringLiteral(ORVELLA_SAMPLE_DATABASE);

QByteArray expectedSampleDocument(std::size_t *count = nullptr) {
  const ReadResult read = readFeedsAt(kSample.toStdString());
  EXPECT_TRUE(read.ok());
  if (count) *count = read.rows.size();
  return std::move(exportOfFeeds(read.rows, readerdb::allFeeds(read.rows.size()))).finish();
}

// Runs the program through the shell, for names that are not UTF-8:
// printf turns the octal escapes of each argument into the raw bytes.
Outcome runWithByteNames(const QStringList &printfArgs, const fs::path &workingDir) {
  QString script = QStringLiteral("exec \"$0\"");
  for (const QString &arg : printfArgs) {
    script += arg.startsWith('-') ? QStringLiteral(" %1").arg(arg)
                                  : QStringLiteral(" \"$(printf '%1')\"").arg(arg);
  }
  QProcess process;
  process.setWorkingDirectory(qpath(workingDir));
  process.start("/bin/sh", {"-c", script, qEnvironmentVariable("ORVELLA_BINARY")});
  EXPECT_TRUE(process.waitForFinished(60'000));
  return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

// The arguments after the program's name, parsed as main() parses them.
Arguments parsed(std::vector<std::string> args) {
  args.insert(args.begin(), "orvella-exporter");
  std::vector<char *> argv;
  for (std::string &arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  return parseArguments(int(args.size()), argv.data());
}

// A line of the manual page's font macros (.B, .BI, .RB, ...) as groff sets
// it, and the arguments of it that are bold.
struct TroffLine {
  QString text;
  QStringList bold;
};
TroffLine troff(const QString &line) {
  static const QRegularExpression argument(QStringLiteral(R"re("([^"]*)"|(\S+))re"));
  static const QRegularExpression font(QStringLiteral(R"(\\f[BIRP])"));
  const QString macro = line.section(QLatin1Char(' '), 0, 0).mid(1);
  QStringList arguments;
  for (const auto &m : argument.globalMatch(line.section(QLatin1Char(' '), 1))) {
    arguments << (m.hasCaptured(1) ? m.captured(1) : m.captured(2))
                     .replace(QStringLiteral("\\-"), QStringLiteral("-"))
                     .remove(font)
                     .remove(QStringLiteral("\\&"));
  }
  // .B and .I set their arguments as one phrase, the others in turn in two fonts.
  if (macro.size() == 1) arguments = QStringList{arguments.join(QLatin1Char(' '))};
  TroffLine set{arguments.join(QString()), {}};
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    if (macro[i % macro.size()] == QLatin1Char('B')) set.bold << arguments[i];
  }
  return set;
}

// Each section of the manual page by name, as its lines.
std::map<QString, QStringList> manualSections() {
  std::map<QString, QStringList> sections;
  QString current;
  for (const QString &line :
       QString::fromStdString(readFile(ORVELLA_MANUAL_PAGE_SOURCE)).split('\n')) {
    if (line.startsWith(QStringLiteral(".SH "))) {
      current = line.mid(4);
    } else {
      sections[current] << line;
    }
  }
  return sections;
}

}  // namespace

// Each option of the registry, as --help lists it, is described under
// OPTIONS, and every option that the manual page names anywhere is one that
// the program takes, ours or Qt's.
TEST(CommandLine, TheManualPageListsTheOptionsOfTheRegistry) {
  const std::map<QString, QStringList> sections = manualSections();
  ASSERT_TRUE(sections.count("OPTIONS"));
  QStringList described, registered;
  const QStringList &options = sections.at("OPTIONS");
  for (qsizetype i = 0; i + 1 < options.size(); ++i) {
    if (options[i] == QStringLiteral(".TP")) described << troff(options[i + 1]).text;
  }
  // "  --database PATH  Read this ...", "  -h, --help       Show ...".
  const QString help = commandLineHelp();
  const QString listed = help.mid(help.indexOf("\nOptions:\n")).section("\n\n", 0, 0);
  for (const QString &line : listed.split('\n')) {
    if (line.startsWith(QStringLiteral("  -"))) registered << line.mid(2).section("  ", 0, 0);
  }
  EXPECT_GE(registered.size(), 13);
  for (const QString &option : described) {
    EXPECT_TRUE(registered.contains(option))
        << "OPTIONS describes " << option.toStdString() << ", which no command declares";
  }
  for (const QString &option : registered) {
    EXPECT_TRUE(described.contains(option))
        << option.toStdString() << " is declared, but OPTIONS does not describe it";
  }

  static const QRegularExpression optionName(QStringLiteral("^--?[A-Za-z][\\w-]*"));
  QStringList named;
  for (const auto &[section, lines] : sections) {
    for (const QString &line : lines) {
      if (!line.startsWith(QStringLiteral(".B")) && !line.startsWith(QStringLiteral(".RB")) &&
          !line.startsWith(QStringLiteral(".IB"))) {
        continue;
      }
      for (const QString &bold : troff(line).bold) {
        const QString option = optionName.match(bold).captured();
        if (option.isEmpty()) continue;
        named << option;
        EXPECT_FALSE(parsed({option.toStdString()}).error.startsWith("Unknown option"))
            << section.toStdString() << " names " << bold.toStdString()
            << ", which the program does not take";
      }
    }
  }
  for (const char *option : {"--export", "-h", "-platform", "-stylesheet", "--keep"}) {
    EXPECT_TRUE(named.contains(option)) << option;
  }
}

// The usage lines of --help, made from the registry, are the manual page's
// synopsis.
TEST(CommandLine, TheUsageLinesAreTheManualPagesSynopsis) {
  const std::map<QString, QStringList> sections = manualSections();
  QStringList synopsis;
  for (const QString &line : sections.at("SYNOPSIS")) {
    if (line.startsWith(QStringLiteral(".SY "))) {
      synopsis << line.mid(4);
    } else if (!line.startsWith(QStringLiteral(".YS")) && !synopsis.isEmpty()) {
      synopsis.last() += ' ' + troff(line).text;
    }
  }
  const QString help = commandLineHelp();
  QStringList usage;
  for (const QString &line : help.left(help.indexOf("\n\n")).mid(7).split('\n')) {
    if (line.startsWith(QStringLiteral("           "))) {
      usage.last() += ' ' + line.trimmed();
    } else {
      usage << line.trimmed();
    }
  }
  for (const QString &line : usage) {
    EXPECT_TRUE(synopsis.contains(line))
        << "--help's usage " << line.toStdString() << " is not in the SYNOPSIS";
  }
  for (const QString &line : synopsis) {
    EXPECT_TRUE(usage.contains(line))
        << "the SYNOPSIS's " << line.toStdString() << " is not among the usage lines of --help";
  }
}

// Every usage error is one sentence that says what is wrong, in the words of
// the options' own declarations.
TEST(CommandLine, EachUsageErrorSaysWhatIsWrong) {
  const std::vector<std::pair<std::vector<std::string>, QString>> cases = {
      {{"--bogus=1"}, "Unknown option \"--bogus\"."},
      {{"-xyz"}, "Unknown option \"-xyz\"."},
      {{"--\xff"}, "Unknown option \"--\uFFFD\"."},
      {{"--export"}, "The option --export needs a value after it."},
      {{"--opml-version"}, "The option --opml-version needs a value after it."},
      {{"--export="}, "The option --export needs a non-empty value."},
      {{"--check", ""}, "The option --check needs a non-empty value."},
      {{"--list=yes"}, "The option --list takes no value."},
      {{"-h=1"}, "The option --help takes no value."},
      {{"--database", "a", "--database=b", "--list"},
       "The option --database was given twice; give it once."},
      {{"stray", "--list"}, "Unexpected argument \"stray\"."},
      {{"--list", "--", "--list"}, "Unexpected argument \"--list\"."},
      {{"--backup", "B", "C"}, "Unexpected argument \"C\"."},
      {{"--backup="}, "The option --backup needs a non-empty folder, or none for the default one."},
      {{"--backup", "B", "--keep", "0"},
       "The option --keep needs a whole number of backups, 1 or more."},
      {{"--keep", "3"}, "The option --keep goes with --backup."},
      {{"--export", "x", "--opml-version", "1.1"}, "The option --opml-version takes 1.0 or 2.0."},
      {{"--list", "--opml-version", "2.0"},
       "The option --opml-version goes with --export or --backup."},
      {{"--check", "x", "--without-secrets"},
       "The option --without-secrets goes with --export or --backup."},
      {{"--help", "--importable-titles"},
       "The option --importable-titles goes with --export or --backup."},
      {{"--version", "--list", "--backup"},
       "Give only one of --export, --list, --check, --compare, --backup and "
       "--notify-backup-failure."},
  };
  for (const auto &[args, sentence] : cases) {
    SCOPED_TRACE(::testing::PrintToString(args));
    EXPECT_EQ(parsed(args).error, sentence);
  }
}

// One command at most; --help, then --version, answer whatever else is
// asked. Values are argv's bytes; Qt's own options are kept, wherever they are.
TEST(CommandLine, ArgumentsAskForOneCommandAndKeepTheirBytes) {
  auto command = [](const std::vector<std::string> &args) {
    const Arguments a = parsed(args);
    EXPECT_TRUE(a.error.isEmpty()) << a.error.toStdString();
    return std::string(a.command->option.name);
  };
  EXPECT_EQ(command({}), "");
  EXPECT_EQ(command({"--database", "Feeds", "-reverse"}), "");
  EXPECT_EQ(command({"--list", "--help"}), "help");
  EXPECT_EQ(command({"-v", "-h"}), "help");
  EXPECT_EQ(command({"--h"}), "help");
  EXPECT_EQ(command({"-version", "--export", "x"}), "version");
  EXPECT_EQ(command({"-list"}), "list");
  EXPECT_EQ(command({"--notify-backup-failure"}), "notify-backup-failure");

  EXPECT_EQ(parsed({"--export", "\xff\xfe.opml"}).value("export"), QByteArray("\xff\xfe.opml"));
  EXPECT_EQ(parsed({"--export=a=b"}).value("export"), QByteArray("a=b"));
  EXPECT_EQ(parsed({"--export", "--list"}).value("export"), QByteArray("--list"));
  EXPECT_EQ(parsed({"--backup"}).value("backup"), std::nullopt);
  EXPECT_EQ(parsed({"B", "--backup"}).value("backup"), QByteArray("B"));
  EXPECT_EQ(parsed({"--backup", "--", "-B"}).value("backup"), QByteArray("-B"));
  EXPECT_EQ(parsed({"--backup", "--keep", "3"}).value("keep"), QByteArray("3"));

  const Arguments qt = parsed({"-platform", "xcb", "--platform=offscreen", "-stylesheet", "a.qss",
                               "--", "-style", "fusion", "-sync"});
  EXPECT_TRUE(qt.error.isEmpty()) << qt.error.toStdString();
  EXPECT_EQ(qt.value("platform"), QByteArray("offscreen"));
  EXPECT_EQ(qt.value("stylesheet"), QByteArray("a.qss"));
  EXPECT_EQ(qt.value("style"), QByteArray("fusion"));
  EXPECT_TRUE(qt.has("sync"));
  EXPECT_TRUE(parsed({"--version", "-platform"}).error.isEmpty());
}

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
  for (const char *mention :
       {"--database PATH", "--export FILE", "--list", "--version", "--check FILE",
        "--backup [FOLDER]", "--keep N", "QM4T8ZK2WR.com.Corvanex.Orvella/Documents/Feeds"}) {
    EXPECT_TRUE(help.out.contains(mention)) << mention;
  }
}

TEST(CommandLine, HelpListsEveryExitStatusOfTheManualPage) {
  const std::string page = readFile(ORVELLA_MANUAL_PAGE_SOURCE);
  const std::size_t from = page.find(".SH EXIT STATUS");
  ASSERT_NE(from, std::string::npos);
  const QString section =
      QString::fromStdString(page.substr(from, page.find(".SH ", from + 1) - from));
  QStringList statuses;
  for (const auto &match :
       QRegularExpression(QStringLiteral("\n\\.B (\\d+)\n")).globalMatch(section))
    statuses << match.captured(1);
  EXPECT_EQ(statuses, QStringList({"0", "1", "2", "3", "4", "5", "6", "7", "8"}));

  const Outcome help = run({"--help"});
  const QString text = QString::fromUtf8(help.out).replace('\n', ' ');
  const QString listed = text.mid(text.indexOf(QStringLiteral("Exit status:")));
  for (const QString &status : statuses) {
    EXPECT_TRUE(listed.contains(QRegularExpression(QStringLiteral("[:;] %1 \\w").arg(status))))
        << status.toStdString() << " in: " << listed.toStdString();
  }
}

TEST(CommandLine, QtOwnOptionsAreAcceptedAndOursStillChecked) {
  const std::vector<QStringList> cases = {
      {"-platform", "offscreen", "--version"}, {"--platform=offscreen", "--version"},
      {"-session", "x", "--version"},          {"-reverse", "-style", "fusion", "--version"},
      {"-display", ":9", "-name", "n", "-v"},
  };
  for (const auto &args : cases) {
    SCOPED_TRACE(args.join(' ').toStdString());
    const Outcome r = run(args);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith("orvella-exporter ")) << r.out.toStdString();
  }
}

TEST(CommandLine, HelpAndVersionThatCannotBeWrittenExitWithThree) {
  for (const char *option : {"--help", "--version"}) {
    SCOPED_TRACE(option);
    const Outcome full = run({option}, fs::current_path(), headless(), nullptr, "/dev/full");
    EXPECT_EQ(full.exitCode, 3);
    EXPECT_TRUE(full.err.contains("standard output")) << full.err.toStdString();
    const Outcome closed = run({option}, fs::current_path(), headless(), [] { ::close(1); });
    EXPECT_EQ(closed.exitCode, 3);
  }
}

TEST(CommandLine, NonBlockingStandardOutputIsWaitedOn) {
  TempDir dir;
  execSql(dir / "Feeds", std::string(kFeedsSchema) + kThreeThousandFeeds);
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  ::fcntl(fds[1], F_SETFL, O_NONBLOCK);
  QProcess process;
  process.setChildProcessModifier([&fds] { ::dup2(fds[1], 1); });
  process.start(qEnvironmentVariable("ORVELLA_BINARY"),
                {"--database", qpath(dir / "Feeds"), "--export", "-"});
  ASSERT_TRUE(process.waitForStarted());
  ::close(fds[1]);
  ::usleep(300'000);  // the pipe fills and the exporter has to wait
  std::string received;
  char buffer[65536];
  for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;) received.append(buffer, n);
  ::close(fds[0]);
  ASSERT_TRUE(process.waitForFinished());
  EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
  EXPECT_GT(received.size(), 500'000u);
  EXPECT_TRUE(received.ends_with("</opml>"));
}

// --opml-version 2.0 writes the same outlines under 2.0's head, checked, to
// a file, to standard output and as a backup; 1.0 is the default document.
TEST(CommandLine, OpmlVersionTwoOnRequest) {
  TempDir dir;
  ASSERT_EQ(run({"--database", kSample, "--export", "one.opml"}, dir.path()).exitCode, 0);
  const std::string one = readFile(dir / "one.opml");
  const std::string outlines = one.substr(one.find("<body>"));
  const Outcome asOne =
      run({"--database", kSample, "--export", "-", "--opml-version", "1.0"}, dir.path());
  EXPECT_EQ(asOne.out.toStdString(), one);
  struct Case {
    QStringList args;
    std::string file;  // "" for standard output
  };
  for (const Case &c : {Case{{"--export", "two.opml"}, "two.opml"}, Case{{"--export", "-"}, ""},
                        Case{{"--backup", "B"}, "B/Orvella Feeds.opml"}}) {
    SCOPED_TRACE(c.args.join(' ').toStdString());
    const Outcome r =
        run(QStringList{"--database", kSample, "--opml-version", "2.0"} + c.args, dir.path());
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("45 feeds")) << r.err.toStdString();
    const std::string two = c.file.empty() ? r.out.toStdString() : readFile(dir / c.file);
    EXPECT_NE(two.find("<opml version=\"2.0\">\n<head>\n<title>Orvella Subscriptions</title>\n"
                       "<dateCreated>"),
              std::string::npos);
    EXPECT_NE(two.find("</dateCreated>\n<docs>http://opml.org/spec2.opml</docs>\n</head>"),
              std::string::npos);
    EXPECT_EQ(two.substr(two.find("<body>")), outlines);
    if (!c.file.empty()) {
      const Outcome check = run({"--check", qpath(dir / c.file)});
      EXPECT_EQ(check.exitCode, 0) << check.out.toStdString();
    }
  }
  // Only the date of the head differs from the last backup: no new one.
  const Outcome again =
      run({"--database", kSample, "--opml-version", "2.0", "--backup", "B"}, dir.path());
  EXPECT_TRUE(again.err.contains("already holds these 45 feeds")) << again.err.toStdString();
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
      {"--export", "out.opml", "--opml-version", "1.1"},
      {"--list", "--opml-version", "2.0"},
      {"--export", "out.opml", "--opml-version"},
      {"--check", "x.opml", "--without-secrets"},
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
            QStringLiteral("%1 feeds written to %2 and checked.\n").arg(count).arg(qpath(written)));
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

// One feed is "1 feed", every other number "feeds", the digits grouped as
// the locale groups them.
TEST(CountSentence, OneFeedAndEveryOtherNumberOfFeeds) {
  const QLocale english(QLocale::English, QLocale::UnitedStates);
  const QLocale german(QLocale::German, QLocale::Germany);
  const struct {
    std::size_t feeds;
    const char *english, *german;
  } cases[] = {
      {0, "0 feeds", "0 feeds"},
      {1, "1 feed", "1 feed"},
      {2, "2 feeds", "2 feeds"},
      {5, "5 feeds", "5 feeds"},
      {21, "21 feeds", "21 feeds"},
      {22, "22 feeds", "22 feeds"},
      {1'000'000, "1,000,000 feeds", "1.000.000 feeds"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.feeds);
    EXPECT_EQ(feedCountText(c.feeds, english), QString::fromLatin1(c.english));
    EXPECT_EQ(feedCountText(c.feeds, german), QString::fromLatin1(c.german));
    EXPECT_EQ(writtenAndCheckedSentence(c.feeds, "out.opml", english),
              QStringLiteral("%1 written to out.opml and checked.").arg(c.english));
  }
}

// The same sentence as a user meets it, for a file and for standard output.
TEST(CommandLine, TheSummaryCountsOneFeedAndOtherNumbersOfFeeds) {
  TempDir dir;
  const struct {
    int feeds;
    const char *count;
  } cases[] = {{0, "0 feeds"}, {1, "1 feed"},    {2, "2 feeds"},
               {5, "5 feeds"}, {21, "21 feeds"}, {22, "22 feeds"}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.feeds);
    const fs::path database = dir / ("Feeds-" + std::to_string(c.feeds));
    readerdb::write(database, readerdb::numbered(c.feeds));
    const Outcome file = run({"--database", qpath(database), "--export", "out.opml"}, dir.path());
    EXPECT_EQ(file.exitCode, 0) << file.err.toStdString();
    EXPECT_EQ(
        QString::fromUtf8(file.err),
        QStringLiteral("%1 written to %2 and checked.\n").arg(c.count, qpath(dir / "out.opml")));
    const Outcome out = run({"--database", qpath(database), "--export", "-"}, dir.path());
    EXPECT_EQ(out.exitCode, 0) << out.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(out.err),
              QStringLiteral("%1 written to standard output and checked.\n").arg(c.count));
  }
}

TEST(CommandLine, ExportToStandardOutputAndListing) {
  std::size_t count = 0;
  const QByteArray expected = expectedSampleDocument(&count);
  const Outcome exported = run({"--export", "-", "--database", kSample});
  EXPECT_EQ(exported.exitCode, 0);
  EXPECT_EQ(exported.out, expected);
  EXPECT_EQ(QString::fromUtf8(exported.err),
            QStringLiteral("%1 feeds written to standard output and checked.\n").arg(count));

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

// The document ends without a line feed. Where standard output and standard
// error are the same terminal, the summary starts a line of its own; where
// they differ, the summary is the whole of standard error.
TEST(CommandLine, SummaryStartsItsOwnLineOnlyOnATerminalBothStreamsShare) {
  std::size_t count = 0;
  const QByteArray document = expectedSampleDocument(&count);
  const QByteArray summary =
      QStringLiteral("%1 feeds written to standard output and checked.\n").arg(count).toUtf8();
  for (bool errorToTerminal : {true, false}) {
    SCOPED_TRACE(errorToTerminal ? "both on the terminal" : "standard error to a pipe");
    int master = -1;
    int slave = -1;
    ASSERT_EQ(::openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    termios raw{};
    ::tcgetattr(slave, &raw);
    ::cfmakeraw(&raw);  // bytes as written, no "\r\n" for "\n"
    ::tcsetattr(slave, TCSANOW, &raw);
    QProcess process;
    process.setChildProcessModifier([slave, errorToTerminal] {
      ::dup2(slave, 1);
      if (errorToTerminal) ::dup2(slave, 2);
    });
    process.start(qEnvironmentVariable("ORVELLA_BINARY"), {"--database", kSample, "--export", "-"});
    ASSERT_TRUE(process.waitForStarted());
    ::close(slave);
    QByteArray received;
    char buffer[4096];
    // Ends in EIO once the program has closed the terminal's last descriptor.
    for (ssize_t n; (n = ::read(master, buffer, sizeof buffer)) > 0;) received.append(buffer, n);
    ::close(master);
    ASSERT_TRUE(process.waitForFinished());
    EXPECT_EQ(process.exitCode(), 0);
    if (errorToTerminal) {
      EXPECT_EQ(received, document + '\n' + summary);
    } else {
      EXPECT_EQ(received, document);
      EXPECT_EQ(process.readAllStandardError(), summary);
    }
  }
}

TEST(CommandLine, ListKeepsOneFeedPerLineWhateverTheValuesHold) {
  TempDir dir;
  execSql(dir / "Feeds", std::string(kFeedsSchema) +
                             "INSERT INTO FEEDS (FEED_URL, FEED_TITLE, INTERNAL_LINK) VALUES"
                             " ('u1', 'two' || char(10) || 'lines' || char(9) || 'tab', NULL),"
                             " (NULL, NULL, 'l2');");
  const Outcome r = run({"--list", "--database", qpath(dir / "Feeds")});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "two lines tab\tu1\t\n\t\tl2\n");
}

TEST(CommandLine, FindsTheReaderDatabaseInTheGroupContainer) {
  TempDir dir;
  const fs::path documents = dir / "data" / "QM4T8ZK2WR.com.Corvanex.Orvella" / "Documents";
  fs::create_directories(documents);
  fs::copy_file(kSample.toStdString(), documents / "Feeds");
  QProcessEnvironment env = headless();
  env.insert("XDG_DATA_HOME", qpath(dir / "data"));
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
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);  // must not block the open
  fs::create_directory(dir / "folder");
  std::vector<const char *> names{"missing", "empty", "text", "other", "fifo", "folder"};
  if (makeDevice(dir / "device", 3)) names.push_back("device");
  for (const char *name : names) {
    SCOPED_TRACE(name);
    const auto before = namesIn(dir.path());
    const Outcome r = run({"--database", qpath(dir / name), "--export", "out.opml"}, dir.path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(qpath(dir / name).toUtf8())) << r.err.toStdString();
    EXPECT_TRUE(r.err.endsWith("Nothing was exported.\n")) << r.err.toStdString();
    EXPECT_EQ(namesIn(dir.path()), before) << "no export file, and no database created";
  }
}

TEST(CommandLine, ReadThatFailsPartWayLeavesNoExportBehind) {
  TempDir dir;
  const auto db = dir / "Feeds";
  execSql(db, std::string("PRAGMA page_size=4096;") + kFeedsSchema + kThreeThousandFeeds);
  // Damage a page late enough that a good part of the export was written.
  std::string bytes = readFile(db);
  std::fill(bytes.begin() + 150 * 4096, bytes.begin() + 151 * 4096, '\xA5');
  writeFile(db, bytes);
  writeFile(dir / "out.opml", "previous export");

  const Outcome r = run({"--database", qpath(db), "--export", "out.opml"}, dir.path());

  EXPECT_EQ(r.exitCode, 1);
  EXPECT_TRUE(r.err.contains("damaged")) << r.err.toStdString();
  EXPECT_EQ(readFile(dir / "out.opml"), "previous export");
  EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"Feeds", "out.opml"}));
}

TEST(CommandLine, LockedDatabaseEndsWithAMessageInsteadOfHanging) {
  TempDir dir;
  const auto db = dir / "Feeds";
  execSql(db, std::string(kFeedsSchema) + "INSERT INTO FEEDS (FEED_TITLE) VALUES ('x');");
  auto writer = startWriter(db, {"exclusive"});
  const Outcome r = run({"--database", qpath(db), "--list"}, dir.path());
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
  EXPECT_TRUE(missing.err.contains(qpath(dir / "nowhere" / "out.opml").toUtf8()))
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
  EXPECT_TRUE(cut.err.startsWith("Could not save \"" + qpath(dir / "out.opml").toUtf8()))
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
  const Outcome onto = run({"--database", "Feeds", "--export", qpath(dir / "Feeds")}, dir.path());
  EXPECT_EQ(onto.exitCode, 2);
  EXPECT_EQ(readFile(dir / "Feeds"), database);
}

TEST(CommandLine, TheReaderFolderIsReadWholeAndLeftAsItWas) {
  // Each case leaves a database as the reader might: cleanly closed in WAL
  // mode, killed while its log held committed rows (with and without the
  // log's index), or in rollback mode beside a stray log.
  struct Case {
    const char *name;
    std::function<void(const fs::path &db)> make;
    int rows;
  };
  auto walWriter = [](int rows, bool keepIndex) {
    return [rows, keepIndex](const fs::path &db) {
      execSql(db, std::string("PRAGMA journal_mode=WAL;") + kFeedsSchema);
      auto writer = startWriter(db, {"wal", QString::number(rows)});
      killWriter(*writer);
      if (!keepIndex) fs::remove(fs::path(db.string() + "-shm"));
    };
  };
  const std::vector<Case> cases = {
      {"clean WAL",
       [](const fs::path &db) {
         execSql(db, std::string("PRAGMA journal_mode=WAL;") + kFeedsSchema +
                         "INSERT INTO FEEDS (FEED_TITLE) VALUES ('a'), ('b');");
       },
       2},
      {"killed WAL writer without index", walWriter(300, false), 300},
      {"killed WAL writer with index", walWriter(300, true), 300},
      {"rollback database beside a stray log",
       [](const fs::path &db) {
         execSql(db, std::string(kFeedsSchema) + "INSERT INTO FEEDS (FEED_TITLE) VALUES ('a');");
         writeFile(fs::path(db.string() + "-wal"), std::string(64, 'w'));
       },
       1},
  };
  for (const bool writable : {true, false}) {
    for (const auto &c : cases) {
      SCOPED_TRACE(std::string(c.name) + (writable ? ", own folder" : ", read-only folder"));
      TempDir dir;
      const auto folder = dir / "container";
      fs::create_directory(folder);
      const auto db = folder / "Feeds";
      c.make(db);
      std::map<std::string, std::string> before;
      for (const auto &name : namesIn(folder)) before[name] = readFile(folder / name);

      // A folder closed to the exporter: as root by running it as nobody,
      // otherwise by taking our own write permission away.
      std::function<void()> asUnprivileged;
      if (!writable) {
        if (geteuid() == 0) {
          asUnprivileged = runAsNobody;
        } else {
          fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec,
                          fs::perm_options::replace);
        }
      }
      const Outcome r =
          run({"--database", qpath(db), "--list"}, dir.path(), headless(), asUnprivileged);
      fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);

      EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
      EXPECT_EQ(r.out.count('\n'), c.rows);
      EXPECT_EQ(namesIn(folder).size(), before.size()) << "nothing is created there";
      for (const auto &[name, content] : before) {
        if (name.ends_with("-shm")) continue;  // the index may be brought up to date
        EXPECT_EQ(readFile(folder / name), content) << name << " must stay as it was";
      }
    }
  }
}

TEST(CommandLine, NamesAreBytesAndNoSpellingMakesTheDatabaseTheTarget) {
  TempDir dir;
  // "Feeds" + U+FFFD, and "Feeds" + the byte 0xFF, which a lossy decoding
  // turns into the former.
  fs::copy_file(kSample.toStdString(), dir / "Feeds\xef\xbf\xbd");
  const std::string database = readFile(dir / "Feeds\xef\xbf\xbd");
  fs::create_symlink("Feeds\xef\xbf\xbd", dir / "link");
  struct Case {
    QString target;  // printf escapes
    int exitCode;
    const char *writtenAs;
  };
  const std::vector<Case> cases = {
      {"Feeds\\377", 0, "Feeds\xff"},
      {"link", 2, nullptr},
      {"./sub/../Feeds\\357\\277\\275", 2, nullptr},
  };
  fs::create_directory(dir / "sub");
  for (const auto &c : cases) {
    SCOPED_TRACE(c.target.toStdString());
    const Outcome r =
        runWithByteNames({"--database", "Feeds\\357\\277\\275", "--export", c.target}, dir.path());
    EXPECT_EQ(r.exitCode, c.exitCode) << r.err.toStdString();
    EXPECT_EQ(readFile(dir / "Feeds\xef\xbf\xbd"), database);
    if (c.writtenAs) {
      EXPECT_EQ(QByteArray::fromStdString(readFile(dir / c.writtenAs)), expectedSampleDocument());
    }
  }
}

TEST(CommandLine, DatabaseNameIsAPathEvenWhenItLooksLikeAUri) {
  TempDir dir;
  // In a working folder that no longer exists the name cannot be made
  // absolute; it must still be a (relative, so missing) path, not a URI
  // that opens the sample.
  const Outcome r = run({"--database", "file:" + kSample, "--list"}, dir.path(), headless(), [] {
    const std::string gone = fs::current_path().string() + "/gone";
    if (::mkdir(gone.c_str(), 0700) != 0 || ::chdir(gone.c_str()) != 0 ||
        ::rmdir(gone.c_str()) != 0)
      _exit(99);
  });
  EXPECT_EQ(r.exitCode, 1) << r.out.toStdString();
  EXPECT_TRUE(r.out.isEmpty());
  EXPECT_TRUE(r.err.contains("There is no database file")) << r.err.toStdString();
}

TEST(CommandLine, AFailedWriteStopsAnEndlessReadWithThree) {
  TempDir dir;
  execSql(dir / "Feeds", kEndlessFeeds);
  struct Case {
    const char *target;
    bool limitFileSize;
  };
  std::vector<Case> cases = {{"out.opml", true}};
  if (makeDevice(dir / "full", 7)) cases.push_back({"full", false});
  for (const auto &c : cases) {
    SCOPED_TRACE(c.target);
    const Outcome r = run({"--database", qpath(dir / "Feeds"), "--export", c.target}, dir.path(),
                          headless(), [limit = c.limitFileSize] {
                            if (!limit) return;
                            std::signal(SIGXFSZ, SIG_IGN);
                            rlimit bytes{1 << 20, 1 << 20};
                            setrlimit(RLIMIT_FSIZE, &bytes);
                          });
    EXPECT_EQ(r.exitCode, 3) << r.err.toStdString();
    EXPECT_TRUE(r.err.startsWith("Could not save")) << r.err.toStdString();
  }
  EXPECT_FALSE(fs::exists(dir / "out.opml"));
}

TEST(CommandLine, PrivateCopyOfTheDatabaseDiesWithTheProgram) {
  TempDir dir;
  execSql(dir / "Feeds", kEndlessFeeds);
  // A journal left behind makes the exporter read a private copy.
  writeFile(dir / "Feeds-journal", std::string(4096, '\x5a'));
  fs::create_directory(dir / "tmp");
  ASSERT_EQ(::mkfifo((dir / "out").c_str(), 0600), 0);
  QProcessEnvironment env = headless();
  env.insert("TMPDIR", qpath(dir / "tmp"));
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(signal);
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(qEnvironmentVariable("ORVELLA_BINARY"),
                  {"--database", qpath(dir / "Feeds"), "--export", qpath(dir / "out")});
    ASSERT_TRUE(process.waitForStarted());
    // Once the export flows into the FIFO, the copy is being read.
    const int fifo = ::open((dir / "out").c_str(), O_RDONLY | O_NONBLOCK);
    pollfd ready{fifo, POLLIN, 0};
    char buffer[4096];
    EXPECT_EQ(::poll(&ready, 1, 10'000), 1) << "the export never reached the FIFO";
    EXPECT_GT(::read(fifo, buffer, sizeof buffer), 0);
    ::kill(static_cast<pid_t>(process.processId()), signal);
    ::close(fifo);
    ASSERT_TRUE(process.waitForFinished());
    EXPECT_TRUE(fs::is_empty(dir / "tmp")) << "a copy of the database was left behind";
  }
}

namespace {

// `--export -` of dir/Feeds, its output to /dev/null, under a 1 GB limit on
// the exporter's address space.
Outcome exportToDevNullWithinOneGigabyte(const fs::path &dir) {
  return run(
      {"--database", qpath(dir / "Feeds"), "--export", "-"}, dir, headless(),
      [] {
        rlimit space{1'000'000'000, 1'000'000'000};
        setrlimit(RLIMIT_AS, &space);
      },
      "/dev/null");
}

}  // namespace

TEST(CommandLine, StandardOutputExportOfAMillionFeedsKeepsMemoryFlat) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  GTEST_SKIP() << "a sanitizer's shadow memory and quarantine say nothing about ours";
#endif
  TempDir dir;
  execSql(dir / "Feeds", std::string(kFeedsSchema) +
                             "WITH RECURSIVE n(v) AS (SELECT 1 UNION ALL SELECT v + 1 FROM n WHERE "
                             "v < 1000000) INSERT INTO FEEDS (FEED_URL, FEED_TITLE, CHANNEL_TYPE, "
                             "INTERNAL_LINK) SELECT 'https://site.example/' || v, 'Feed number ' "
                             "|| v, 1, 'https://site.example/feed/' || v || '.xml' FROM n;");
  // Under the address-space limit that once ended in an uncaught bad_alloc.
  const Outcome r = exportToDevNullWithinOneGigabyte(dir.path());
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(r.err, "1000000 feeds written to standard output and checked.\n");
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  std::printf("peak resident memory of the export: %ld KiB\n", usage.ru_maxrss);
  EXPECT_LT(usage.ru_maxrss, 100 * 1024);
}

TEST(CommandLine, RunningOutOfMemoryIsASentenceAndStatusFour) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  GTEST_SKIP() << "a sanitizer needs more address space than the limit leaves";
#endif
  TempDir dir;
  // One title of 300 MB: its escaped copy does not fit beside it in 1 GB.
  execSql(dir / "Feeds", std::string(kFeedsSchema) +
                             "INSERT INTO FEEDS (FEED_URL, FEED_TITLE) VALUES ('u', "
                             "printf('%.*c', 300000000, 'x'));");
  const Outcome r = exportToDevNullWithinOneGigabyte(dir.path());
  EXPECT_EQ(r.exitCode, 4);
  EXPECT_TRUE(r.err.startsWith("Not enough memory")) << r.err.toStdString();
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
      {{QStringLiteral("--database"), kSample, QStringLiteral("--export"), qpath(dir / "out.opml")},
       0},
      {{QStringLiteral("--database"), kSample}, 5},  // the window: its module is missing
  };
  for (const Case &c : cases) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(qpath(lone), c.args);
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
  window.start(qpath(lone), {QStringLiteral("--database"), kSample});
  ASSERT_TRUE(window.waitForFinished(60'000));
  const QString said = QString::fromUtf8(window.readAllStandardError());
  EXPECT_TRUE(said.contains(QStringLiteral("The export window cannot open")) &&
              said.contains(QStringLiteral("orvella-exporter-window.so")) &&
              said.contains(QStringLiteral("Reinstall Orvella Exporter")))
      << said.toStdString();
}
