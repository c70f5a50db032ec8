#pragma once

#include <QByteArray>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "export/OpmlWriter.h"
#include "export/WrittenFileCheck.h"
#include "store/FeedRow.h"
#include "store/FeedRowTable.h"

// One pass over the feeds of an export: their OPML document, and the record
// of what it holds that the written file is checked against. Every export
// goes through it: the command line's, the backups' and the window's.
class ExportPass {
 public:
  // Builds the document in memory; expectedFeeds only sizes the buffer.
  explicit ExportPass(std::size_t expectedFeeds = 0, const OpmlFormat &format = {});
  // Hands the document to sink in pieces as it grows (see OpmlBuilder).
  explicit ExportPass(OpmlBuilder::Sink sink, const OpmlFormat &format = {});

  // Adds one feed; false once the sink has refused bytes. With importable
  // titles, each run of line breaks and tabs in a title becomes one space,
  // and a title that repeats an earlier one (case, punctuation and spaces
  // aside) gets " (2)", " (3)" ... in the order of the rows.
  bool add(const FeedRow &row);
  // Forgets every feed added, for a read that starts over.
  void restart();

  const WrittenFeeds &written() const { return written_; }
  // With importable titles: how many titles the document holds otherwise
  // than the rows do. None means the document is the same as without them.
  std::size_t titlesMadeSafe() const { return titlesMadeSafe_; }
  // The document (empty when it went to a sink).
  QByteArray finish() &&;

 private:
  OpmlBuilder::Sink sink_;
  std::size_t expectedFeeds_ = 0;
  OpmlFormat format_;
  std::optional<OpmlBuilder> builder_;
  WrittenFeeds written_;
  std::unordered_map<std::uint64_t, int> titlesSeen_;  // folded title -> times seen
  std::string title_;                                  // the title as made safe
  std::size_t titlesMadeSafe_ = 0;
};

// The export of the chosen feeds, by their positions in `feeds` (see
// exportedFeedIndexes), in memory.
ExportPass exportOfFeeds(const FeedRowTable &feeds, const std::vector<int> &chosenFeeds,
                         const OpmlFormat &format = {});
