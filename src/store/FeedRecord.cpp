#include "store/FeedRecord.h"

namespace {

std::optional<QString> optionalText(const std::optional<std::string_view> &utf8) {
  return utf8 ? std::optional(textOf(utf8)) : std::nullopt;
}

}  // namespace

FeedRecord toRecord(const FeedRow &row) {
  return FeedRecord{optionalText(row.htmlUrl), optionalText(row.title), row.channelType,
                    optionalText(row.xmlUrl)};
}

FeedList recordsOf(const FeedRowTable &rows) {
  FeedList feeds;
  feeds.reserve(rows.size());
  for (std::size_t k = 0; k < rows.size(); ++k) feeds.push_back(toRecord(rows.row(k)));
  return feeds;
}
