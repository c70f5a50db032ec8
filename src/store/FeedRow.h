#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string_view>

// One row of the reader's FEEDS table, the one shape a feed has inside the
// program from the database to the file: the texts as the UTF-8 bytes SQLite
// holds, each absent when its column is NULL. A view: the bytes belong to
// whoever hands the row out (the read, during the call that receives it, or a
// FeedRowTable).
struct FeedRow {
  std::optional<std::string_view> htmlUrl;  // FEED_URL, the site's address
  std::optional<std::string_view> title;    // FEED_TITLE
  std::int32_t channelType = 0;             // CHANNEL_TYPE
  std::optional<std::string_view> xmlUrl;   // INTERNAL_LINK, the feed's own address
};

// One of a row's texts as a string; empty when it is absent.
inline QString textOf(const std::optional<std::string_view> &utf8) {
  return utf8 ? QString::fromUtf8(utf8->data(), static_cast<qsizetype>(utf8->size())) : QString();
}
