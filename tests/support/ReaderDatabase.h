#pragma once

// Reader databases on disk, with the reader's own FEEDS table, and the rows
// and FeedRecords the store is expected to read back from them.
#include <FeedsSchema.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "store/FeedRecord.h"
#include "store/FeedRowTable.h"

namespace readerdb {

// A feed as the reader's table holds it; an absent text is NULL.
struct Feed {
  std::optional<std::string> title;
  std::optional<std::string> site;
  std::optional<std::string> address;
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
  std::string sql = std::string("BEGIN;") + kFeedsSchema;
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

inline std::optional<std::string_view> view(const std::optional<std::string> &text) {
  if (!text) return std::nullopt;
  return std::string_view(*text);
}

// The rows a read of write(feeds) gives.
inline FeedRowTable rows(const std::vector<Feed> &feeds) {
  FeedRowTable table;
  for (const Feed &f : feeds) table.append({view(f.site), view(f.title), f.type, view(f.address)});
  return table;
}

inline FeedList records(const std::vector<Feed> &feeds) { return recordsOf(rows(feeds)); }

// The positions of every one of feedCount feeds: 0, 1, 2, ...
inline std::vector<int> allFeeds(std::size_t feedCount) {
  std::vector<int> feeds;
  for (std::size_t k = 0; k < feedCount; ++k) feeds.push_back(static_cast<int>(k));
  return feeds;
}

}  // namespace readerdb
