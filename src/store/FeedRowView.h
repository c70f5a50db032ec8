#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// One row of the reader's FEEDS table as SQLite holds it: the text fields as
// UTF-8 bytes, valid only during the call that receives them; absent when
// NULL or not valid UTF-8.
struct FeedRowView {
  std::optional<std::string_view> feedUrl;
  std::optional<std::string_view> feedTitle;
  std::int32_t channelType = 0;
  std::optional<std::string_view> internalLink;
};
