#pragma once

#include <QString>
#include <QVariantMap>
#include <cstdint>
#include <optional>
#include <vector>

// One subscription as the reader's FEEDS table holds it. A text field is absent
// (never an empty placeholder) when its column is NULL or its bytes are not
// valid UTF-8; CHANNEL_TYPE is always there.
struct FeedRecord {
  std::optional<QString> feedUrl;
  std::optional<QString> feedTitle;
  std::int32_t channelType = 0;
  std::optional<QString> internalLink;

  // The record keyed by the reader's column names: "FEED_URL", "FEED_TITLE",
  // "CHANNEL_TYPE" (an int) and "INTERNAL_LINK"; absent fields have no key.
  QVariantMap toMap() const;

  bool operator==(const FeedRecord &) const = default;
};

using FeedList = std::vector<FeedRecord>;

namespace FeedKeys {
inline constexpr char kFeedUrl[] = "FEED_URL";
inline constexpr char kFeedTitle[] = "FEED_TITLE";
inline constexpr char kChannelType[] = "CHANNEL_TYPE";
inline constexpr char kInternalLink[] = "INTERNAL_LINK";
}  // namespace FeedKeys
