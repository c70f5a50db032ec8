// Proving a move: the reader's feeds against another reader's export, with
// addresses matched as readers take them for one feed.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "TestSupport.h"
#include "export/FeedListComparison.h"

using testsupport::qpath;
using testsupport::TempDir;
using testsupport::writeFile;

TEST(FeedListComparison, AddressesThatReadersTakeForOneFeedMatch) {
  const struct {
    const char *a;
    const char *b;
    bool same;
  } pairs[] = {
      {"https://example.org/feed", "http://example.org/feed", true},
      {"https://Example.ORG/feed", "https://example.org/feed", true},
      {"https://example.org:443/feed", "https://example.org/feed", true},
      {"http://example.org:80/feed", "https://example.org/feed", true},
      {"https://example.org/feed/", "https://example.org/feed", true},
      {"https://example.org/", "https://example.org", true},
      {"feed://example.org/feed", "https://example.org/feed", true},
      {"feed:https://example.org/feed", "https://example.org/feed", true},
      {"FEED:http://example.org/feed", "http://example.org/feed", true},
      {"https://example.org/a%2fb", "https://example.org/a%2Fb", true},
      {"https://example.org/feed?x=%c3%a9", "https://example.org/feed?x=%C3%A9", true},
      {"  https://example.org/feed ", "https://example.org/feed", true},
      {"https://example.org./feed", "https://example.org/feed", true},
      {"https://example.org/feed/?a=1", "https://example.org/feed?a=1", true},
      // Different feeds, however alike.
      {"https://example.org/Feed", "https://example.org/feed", false},
      {"https://example.org/feed?a=1", "https://example.org/feed?a=2", false},
      {"https://example.org/feed?a=1", "https://example.org/feed", false},
      {"https://example.org:8080/feed", "https://example.org/feed", false},
      {"https://www.example.org/feed", "https://example.org/feed", false},
      {"https://example.org/feed.xml", "https://example.org/feed", false},
      {"https://ann@example.org/feed", "https://example.org/feed", false},
      {"https://example.org/a%2Fb", "https://example.org/a/b", false},
      {"gopher://example.org/feed", "http://example.org/feed", false},
      {"https://example.org/feed#top", "https://example.org/feed", false},
  };
  for (const auto &p : pairs) {
    EXPECT_EQ(comparableFeedAddress(QString::fromUtf8(p.a)) ==
                  comparableFeedAddress(QString::fromUtf8(p.b)),
              p.same)
        << p.a << " ~ " << p.b << ": "
        << comparableFeedAddress(QString::fromUtf8(p.a)).toStdString() << " / "
        << comparableFeedAddress(QString::fromUtf8(p.b)).toStdString();
  }
}

// Files written the way other readers write them: folders of any depth,
// 2.0 heads, outlines without a type; and files that cannot be compared.
TEST(FeedListComparison, FindsWhatEachSideLacksInFilesAsOtherReadersWriteThem) {
  TempDir dir;
  const std::vector<QString> reader = {"https://a.example/feed", "https://b.example/rss/",
                                       "https://c.example/atom", "https://d.example/feed"};
  struct Case {
    const char *name;
    std::string document;
    const char *problem;  // nullptr: comparable
    std::vector<std::size_t> missing;
    std::size_t extra;
  };
  const std::string head = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
  const std::vector<Case> cases = {
      {"folders.opml",
       head + "<opml version=\"2.0\"><head><title>Subs</title></head><body>"
              "<outline text=\"Tech\" title=\"Tech\"><outline text=\"A\" type=\"rss\" "
              "xmlUrl=\"http://a.example/feed\"/><outline text=\"In\"><outline text=\"B\" "
              "xmlUrl=\"https://B.example/rss\"/></outline></outline>"
              "<outline text=\"E\" xmlUrl=\"https://e.example/feed\"/></body></opml>",
       nullptr,
       {2, 3},
       1},
      {"flat-1.0.opml",
       head + "<opml version=\"1.0\"><head/><body><outline text=\"A\" "
              "xmlUrl=\"feed://a.example/feed\"/><outline text=\"B\" "
              "xmlUrl=\"https://b.example/rss\"/>"
              "<outline text=\"C\" xmlUrl=\"https://c.example/atom\"/><outline text=\"D\" "
              "xmlUrl=\"https://d.example:443/feed\"/></body></opml>",
       nullptr,
       {},
       0},
      {"no-feeds.opml",
       head + "<opml version=\"2.0\"><head/><body><outline text=\"Empty\"/>"
              "</body></opml>",
       "holds no feeds",
       {},
       0},
      {"broken.opml",
       head + "<opml><body><outline text=\"a & b\"/></body></opml>",
       "is not well-formed XML at line 2",
       {},
       0},
      {"feed.xml", head + "<rss version=\"2.0\"><channel/></rss>", "is no OPML document", {}, 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    writeFile(dir / c.name, c.document);
    const FeedListComparison result =
        compareWithOpmlFile(reader, QFile::encodeName(qpath(dir / c.name)), c.name);
    if (c.problem) {
      EXPECT_TRUE(result.problem.english().contains(QLatin1String(c.problem)))
          << result.problem.english().toStdString();
      EXPECT_TRUE(result.missing.empty());
      continue;
    }
    EXPECT_TRUE(result.ok()) << result.problem.english().toStdString();
    EXPECT_EQ(result.missing, c.missing);
    EXPECT_EQ(result.extra.size(), c.extra);
  }
  ASSERT_EQ(::mkfifo((dir / "pipe.opml").c_str(), 0600), 0);
  for (const char *name : {"pipe.opml", ".", "missing.opml"}) {
    SCOPED_TRACE(name);
    const FeedListComparison result =
        compareWithOpmlFile(reader, QFile::encodeName(qpath(dir / name)), name);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.missing.empty());
  }
}
