#include "FeedRecord.h"

QVariantMap FeedRecord::toMap() const {
  QVariantMap map;
  if (feedUrl) {
    map.insert(QLatin1String(FeedKeys::kFeedUrl), *feedUrl);
  }
  if (feedTitle) {
    map.insert(QLatin1String(FeedKeys::kFeedTitle), *feedTitle);
  }
  map.insert(QLatin1String(FeedKeys::kChannelType), static_cast<int>(channelType));
  if (internalLink) {
    map.insert(QLatin1String(FeedKeys::kInternalLink), *internalLink);
  }
  return map;
}
