#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "store/FeedRow.h"
#include "store/FeedRowTable.h"

// A feed where the program's design hands records out (kept for it alone:
// readFeedsFromDatabaseWithCompletionHandler, CXExportListVC::exportList):
// the fields of a FeedRow as text. A text is absent when its column is NULL.
// Everything else in the program works on FeedRow.
struct FeedRecord {
  std::optional<QString> htmlUrl;
  std::optional<QString> title;
  std::int32_t channelType = 0;
  std::optional<QString> xmlUrl;

  bool operator==(const FeedRecord &) const = default;
};

using FeedList = std::vector<FeedRecord>;

FeedRecord toRecord(const FeedRow &row);
FeedList recordsOf(const FeedRowTable &rows);
