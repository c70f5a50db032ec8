#include "export/ExportPass.h"

#include "export/ImporterTroubles.h"

ExportPass::ExportPass(std::size_t expectedFeeds, const OpmlFormat &format)
    : expectedFeeds_(expectedFeeds), format_(format) {
  restart();
}

ExportPass::ExportPass(OpmlBuilder::Sink sink, const OpmlFormat &format)
    : sink_(std::move(sink)), format_(format) {
  restart();
}

void ExportPass::restart() {
  if (sink_) {
    builder_.emplace(sink_, 256 * 1024, format_);
  } else {
    builder_.emplace(expectedFeeds_, format_);
  }
  written_.clear();
  titlesSeen_.clear();
  titlesMadeSafe_ = 0;
}

bool ExportPass::add(const FeedRow &row) {
  if (format_.importableTitles && row.title) {
    title_.clear();
    bool inBreak = false, changed = false;
    for (const char c : *row.title) {
      const bool isBreak = c == '\n' || c == '\r' || c == '\t';
      if (!isBreak) title_ += c;
      if (isBreak && !inBreak) title_ += ' ';
      inBreak = isBreak;
      changed |= isBreak;
    }
    const std::uint64_t folded = ImporterTroubles::foldedTitleFingerprint(title_);
    if (folded != 0) {
      const int seen = ++titlesSeen_[folded];
      if (seen > 1) title_ += " (" + std::to_string(seen) + ")";
      changed |= seen > 1;
    }
    titlesMadeSafe_ += changed;
    FeedRow safe = row;
    safe.title = std::string_view(title_);
    builder_->addOutline(safe);
    written_.add(row.xmlUrl);
    return builder_->sinkOk();
  }
  builder_->addOutline(row);
  written_.add(row.xmlUrl);
  return builder_->sinkOk();
}

QByteArray ExportPass::finish() && { return std::move(*builder_).finish(); }

ExportPass exportOfFeeds(const FeedRowTable &feeds, const std::vector<int> &chosenFeeds,
                         const OpmlFormat &format) {
  // The whole working list first, then the document.
  const std::vector<std::size_t> chosen = exportedFeedIndexes(feeds.size(), chosenFeeds);
  ExportPass pass(chosen.size(), format);
  for (const std::size_t index : chosen) pass.add(feeds.row(index));
  return pass;
}
