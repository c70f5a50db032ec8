#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <future>

#include "TestSupport.h"
#include "platform/AtomicFile.h"

using testsupport::namesIn;
using testsupport::qpath;
using testsupport::readFile;
using testsupport::TempDir;
using testsupport::writeFile;
namespace fs = std::filesystem;

namespace {

// Lowers this process's file-size limit for the life of the object, so that a
// write fails part-way as it would on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit saved_{};
  void (*previousHandler_)(int) = nullptr;
};

// What a write gives, in the words the command line prints.
template <typename Path>
std::optional<QString> save(const Path &path, const QByteArray &bytes,
                            const AtomicFile::Options &options = {}) {
  const std::optional<Sentence> failure = AtomicFile::write(path, bytes, options);
  return failure ? std::optional(failure->english()) : std::nullopt;
}

}  // namespace

TEST(AtomicFile, WritesNewFilesAndReplacesOldOnesLeavingNothingElse) {
  TempDir dir;
  const auto target = dir / "My Feeds.opml";
  const QByteArray first("first \xC3\xA9 content\n\0tail", 22);
  EXPECT_EQ(save(qpath(target), first), std::nullopt);
  EXPECT_EQ(readFile(target), first.toStdString());

  EXPECT_EQ(save(qpath(target), "second"), std::nullopt);
  EXPECT_EQ(readFile(target), "second");
  EXPECT_EQ(save(qpath(target), QByteArray()), std::nullopt);
  EXPECT_EQ(readFile(target), "");
  EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"My Feeds.opml"});
}

TEST(AtomicFile, UnusableTargetsGiveASentenceNamingThePath) {
  TempDir dir;
  writeFile(dir / "plain-file", "x");
  fs::create_directory(dir / "a-folder");
  const std::vector<std::pair<fs::path, QString>> cases = {
      {dir / "missing" / "out.opml", "No such file or directory"},
      {dir / "plain-file" / "out.opml", ""},
      {dir / "a-folder", "it is a folder"},
  };
  for (const auto &[target, reason] : cases) {
    SCOPED_TRACE(target.string());
    const auto message = save(qpath(target), "content");
    ASSERT_TRUE(message);
    EXPECT_TRUE(message->startsWith("Could not save \"" + qpath(target) + "\": "))
        << message->toStdString();
    EXPECT_TRUE(message->contains(reason)) << message->toStdString();
    EXPECT_TRUE(message->endsWith("try again.")) << message->toStdString();
  }
  EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"a-folder", "plain-file"}));
  EXPECT_TRUE(fs::is_empty(dir / "a-folder"));
  EXPECT_FALSE(save(QString(), "x")->isEmpty());
}

TEST(AtomicFile, WriteThatFailsPartWayKeepsTheOldFileAndLeavesNoTemporaryOne) {
  TempDir dir;
  const auto target = dir / "export.opml";
  writeFile(target, "old content");
  // Both a write larger than any buffer and one that a buffer would hold.
  for (qsizetype size : {4 * 1024 * 1024, 10 * 1024}) {
    SCOPED_TRACE(size);
    std::optional<QString> message;
    {
      FileSizeLimit limit(1024);
      message = save(qpath(target), QByteArray(size, 'x'));
    }
    ASSERT_TRUE(message);
    EXPECT_TRUE(message->contains(qpath(target))) << message->toStdString();
    EXPECT_TRUE(message->contains("File too large")) << message->toStdString();
    EXPECT_EQ(readFile(target), "old content");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"export.opml"});
  }
}

TEST(AtomicFile, FolderWithoutWritePermissionIsRefused) {
  if (geteuid() == 0) {
    GTEST_SKIP() << "permissions do not bind root";
  }
  TempDir dir;
  fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec,
                  fs::perm_options::replace);
  const auto message = save(qpath(dir / "out.opml"), "x");
  fs::permissions(dir.path(), fs::perms::owner_all, fs::perm_options::replace);
  ASSERT_TRUE(message);
  EXPECT_TRUE(message->contains("ermission denied")) << message->toStdString();
  EXPECT_TRUE(fs::is_empty(dir.path()));
}

TEST(AtomicFile, WriterShowsNothingUntilCommitAndNothingAtAllWithoutOne) {
  TempDir dir;
  const auto target = dir / "big.opml";
  writeFile(target, "old");
  {
    AtomicFile::Writer writer(qpath(target));
    EXPECT_TRUE(writer.append("part one, ", 10));
    EXPECT_TRUE(writer.append("part two", 8));
    EXPECT_EQ(readFile(target), "old");
    EXPECT_EQ(writer.commit(), std::nullopt);
  }
  EXPECT_EQ(readFile(target), "part one, part two");
  {
    AtomicFile::Writer abandoned(qpath(target));
    EXPECT_TRUE(abandoned.append("never shown", 11));
  }
  EXPECT_EQ(readFile(target), "part one, part two");
  EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"big.opml"});

  AtomicFile::Writer nowhere(qpath(dir / "missing" / "x.opml"));
  EXPECT_FALSE(nowhere.append("x", 1));
  EXPECT_FALSE(nowhere.append("y", 1));
  const auto message = nowhere.commit();
  ASSERT_TRUE(message);
  const QString english = message->english();
  EXPECT_TRUE(english.contains(qpath(dir / "missing" / "x.opml"))) << english.toStdString();
}

TEST(AtomicFile, ExistingTargetsKeepWhatTheyAre) {
  TempDir dir;
  const QByteArray folder = QByteArray::fromStdString(dir.path().string());
  writeFile(dir / "real.opml", "old");
  fs::create_symlink("real.opml", dir / "link.opml");
  // A link whose file does not exist yet, through a second link: written as
  // `cat > dangling.opml` would, creating the file and keeping both links.
  fs::create_directory(dir / "sub");
  fs::create_symlink("sub/hop.opml", dir / "dangling.opml");
  fs::create_symlink("new.opml", dir / "sub" / "hop.opml");
  // A name for a descriptor of ours, as /dev/stdout is when the shell
  // appends it to a file: written where the descriptor writes, never replaced.
  writeFile(dir / "appended.txt", "pre ");
  const int appended = ::open((dir / "appended.txt").c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  ASSERT_GE(appended, 0);
  fs::create_symlink("/proc/self/fd/" + std::to_string(appended), dir / "own.opml");
  const std::string longName(255, 'n');
  writeFile(dir / longName, "old");
  const bool haveNode = ::mknod((dir / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
  fs::create_directory(dir / "folder");

  struct Case {
    QByteArray name;  // raw bytes, not necessarily UTF-8
    bool ok;
    fs::file_type typeAfter;
    const char *contentAt;  // file whose content must then be the document
  };
  const std::vector<Case> cases = {
      {"real.opml", true, fs::file_type::regular, "real.opml"},
      {"link.opml", true, fs::file_type::symlink, "real.opml"},
      {"dangling.opml", true, fs::file_type::symlink, "sub/new.opml"},
      {"own.opml", true, fs::file_type::symlink, nullptr},
      {QByteArray::fromStdString(longName), true, fs::file_type::regular, longName.c_str()},
      {"Feeds\xff.opml", true, fs::file_type::regular, "Feeds\xff.opml"},
      {"null", true, fs::file_type::character, nullptr},
      {"fifo", true, fs::file_type::fifo, nullptr},
      {"folder", false, fs::file_type::directory, nullptr},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name.toStdString());
    if (c.name == "null" && !haveNode) continue;  // mknod needs root
    const QByteArray path = folder + "/" + c.name;
    // Someone reads the FIFO, as `cat fifo` would.
    std::future<std::string> reader;
    if (c.name == "fifo") {
      reader = std::async(std::launch::async, [&dir] { return readFile(dir / "fifo"); });
    }
    const auto message = save(path, "document");
    EXPECT_EQ(!message, c.ok) << message.value_or("").toStdString();
    EXPECT_EQ(fs::symlink_status(path.toStdString()).type(), c.typeAfter);
    if (c.contentAt) {
      EXPECT_EQ(readFile(dir / c.contentAt), "document");
    }
    if (reader.valid()) {
      EXPECT_EQ(reader.get(), "document");
    }
  }
  EXPECT_FALSE(fs::exists(dir / "Feeds\xef\xbf\xbd.opml")) << "the name was not kept as bytes";
  std::vector<std::string> names = namesIn(dir.path());
  EXPECT_EQ(readFile(dir / "appended.txt"), "pre document");
  ::close(appended);
  EXPECT_EQ(names.size(), haveNode ? 11u : 10u) << "no temporary file is left";
}
