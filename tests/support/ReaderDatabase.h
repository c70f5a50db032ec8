#pragma once

// Reader databases on disk, shaped like the reader's own FEEDS table, and the
// FeedRecords the store is expected to read back from them.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "store/FeedRecord.h"

namespace readerdb {

struct Feed {
  std::optional<std::string> title;
  std::string site;
  std::string address;
  int type = 1;
};

inline std::string sqlText(const std::optional<std::string> &value) {
  if (!value) return "NULL";
  std::string out = "'";
  for (char c : *value) {
    out += c;
    if (c == '\'') out += '\'';
  }
  return out + "'";
}

// Writes a reader database with these feeds, in this order.
inline void write(const std::filesystem::path &path, const std::vector<Feed> &feeds) {
  std::string sql =
      "BEGIN; CREATE TABLE FEEDS (FEED_ID INTEGER PRIMARY KEY, FEED_URL TEXT, FEED_TITLE TEXT, "
      "CHANNEL_TYPE INTEGER, INTERNAL_LINK TEXT, UNREAD_COUNT INTEGER NOT NULL DEFAULT 0);";
  for (const Feed &f : feeds) {
    sql += "INSERT INTO FEEDS (FEED_URL, FEED_TITLE, CHANNEL_TYPE, INTERNAL_LINK) VALUES (" +
           sqlText(f.site) + ", " + sqlText(f.title) + ", " + std::to_string(f.type) + ", " +
           sqlText(f.address) + ");";
  }
  testsupport::execSql(path, sql + "COMMIT;");
}

// n feeds titled "Feed 0", "Feed 1", ...
inline std::vector<Feed> numbered(int n) {
  std::vector<Feed> feeds;
  for (int i = 0; i < n; ++i) {
    const std::string k = std::to_string(i);
    feeds.push_back({"Feed " + k, "https://site" + k + ".example/",
                     "https://site" + k + ".example/feed.xml", 1 + i % 2});
  }
  return feeds;
}

inline FeedList records(const std::vector<Feed> &feeds) {
  FeedList list;
  for (const Feed &f : feeds) {
    FeedRecord r;
    if (f.title) r.feedTitle = QString::fromStdString(*f.title);
    r.feedUrl = QString::fromStdString(f.site);
    r.internalLink = QString::fromStdString(f.address);
    r.channelType = f.type;
    list.push_back(r);
  }
  return list;
}

}  // namespace readerdb
