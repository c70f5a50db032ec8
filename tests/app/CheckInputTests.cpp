#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QProcess>
#include <cstring>

#include "ProgramRun.h"
#include "TestSupport.h"

using namespace programrun;

namespace {

const QString kSample = QStringLiteral(ORVELLA_SAMPLE_DATABASE);

// --check - with `input` written to its standard input through a pipe.
Outcome checkPiped(const QByteArray &input, const fs::path &workingDir) {
  QProcess process;
  process.setProcessEnvironment(headless());
  process.setWorkingDirectory(qpath(workingDir));
  process.start(qEnvironmentVariable("ORVELLA_BINARY"), {"--check", "-"});
  EXPECT_TRUE(process.waitForStarted()) << process.errorString().toStdString();
  process.write(input);
  process.closeWriteChannel();
  EXPECT_TRUE(process.waitForFinished(60'000));
  return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

}  // namespace

// Names of things that are no file: each is refused unread and named for
// what it is, where reading it would wait or turn for ever.
TEST(CheckInput, RefusesWhatIsNoRegularFileAndSaysWhatItIs) {
  TempDir dir;
  ASSERT_EQ(run({"--database", kSample, "--export", "ours.opml"}, dir.path()).exitCode, 0);
  fs::create_directory(dir / "folder");
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
  fs::create_symlink(dir / "nowhere.opml", dir / "dangling");
  fs::create_symlink(dir / "ours.opml", dir / "link");
  fs::create_symlink(dir / "folder", dir / "folder link");
  // A socket file, bound and left without a listener.
  const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(sock, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string socketPath = (dir / "socket").string();
  ASSERT_LT(socketPath.size(), sizeof address.sun_path);
  std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
  ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);

  const struct {
    QString name;
    int exitCode;
    QByteArray said;
  } cases[] = {
      {"folder", 1, "\"folder\" is a folder, not a file. Name an OPML file in it."},
      {"folder link", 1, "\"folder link\" is a folder, not a file."},
      {"fifo", 1, "\"fifo\" is a named pipe, not a file, and is left unread"},
      {"/dev/null", 1, "\"/dev/null\" is a device, not a file, and is left unread."},
      {"socket", 1, "\"socket\" is a socket, not a file, and is left unread."},
      {"dangling", 1,
       "\"dangling\" is a symbolic link to \"" + qpath(dir / "nowhere.opml").toLatin1() +
           "\", which does not exist."},
      {"link", 0, "\"link\" holds 45 feeds."},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name.toStdString());
    const Outcome r = run({"--check", c.name}, dir.path());
    EXPECT_EQ(r.exitCode, c.exitCode) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(c.said)) << r.out.toStdString();
    EXPECT_EQ(r.out.count('\n'), 1) << r.out.toStdString();
    EXPECT_TRUE(r.out.trimmed().endsWith('.')) << r.out.toStdString();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
  }
  ::close(sock);
}

TEST(CheckInput, ReadsStandardInputFromAPipe) {
  TempDir dir;
  ASSERT_EQ(run({"--database", kSample, "--export", "ours.opml"}, dir.path()).exitCode, 0);
  const QByteArray ours = QByteArray::fromStdString(readFile(dir / "ours.opml"));
  const struct {
    const char *what;
    QByteArray input;
    int exitCode;
    const char *said;
  } cases[] = {
      {"our export", ours, 0, "Standard input holds 45 feeds."},
      {"cut short", ours.left(ours.indexOf("</body>")), 1,
       "Standard input is not well-formed XML at line "},
      {"nothing", QByteArray(), 1, "Standard input is not well-formed XML at line 1, column 1"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.what);
    const Outcome r = checkPiped(c.input, dir.path());
    EXPECT_EQ(r.exitCode, c.exitCode) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(c.said)) << r.out.toStdString();
  }
}
