#include "store/FeedRowTable.h"

#include <cstring>
#include <stdexcept>

namespace {

std::optional<QByteArray> utf8(const std::optional<QString> &text) {
  if (!text) return std::nullopt;
  return text->toUtf8();
}

std::optional<std::string_view> viewOf(const std::optional<QByteArray> &bytes) {
  if (!bytes) return std::nullopt;
  return std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size()));
}

std::optional<QString> textOf(const std::optional<std::string_view> &bytes) {
  if (!bytes) return std::nullopt;
  return QString::fromUtf8(bytes->data(), static_cast<qsizetype>(bytes->size()));
}

}  // namespace

FeedRowTable FeedRowTable::fromRecords(const FeedList &feeds) {
  FeedRowTable table;
  table.entries_.reserve(feeds.size());
  for (const FeedRecord &feed : feeds) {
    const auto url = utf8(feed.feedUrl);
    const auto title = utf8(feed.feedTitle);
    const auto link = utf8(feed.internalLink);
    table.append(FeedRowView{viewOf(url), viewOf(title), feed.channelType, viewOf(link)});
  }
  return table;
}

char *FeedRowTable::room(std::size_t bytes, Entry &entry) {
  if (bytes == 0) return nullptr;
  if (bytes > kBlockBytes) {
    blocks_.push_back(std::make_unique_for_overwrite<char[]>(bytes));
    entry.block = static_cast<std::uint32_t>(blocks_.size() - 1);
    return blocks_.back().get();
  }
  if (openUsed_ + bytes > kBlockBytes) {
    // Pages of the new block that are never written are never made resident.
    blocks_.push_back(std::make_unique_for_overwrite<char[]>(kBlockBytes));
    openBlock_ = blocks_.size() - 1;
    openUsed_ = 0;
  }
  entry.block = static_cast<std::uint32_t>(openBlock_);
  entry.offset = static_cast<std::uint32_t>(openUsed_);
  openUsed_ += bytes;
  return blocks_[openBlock_].get() + entry.offset;
}

void FeedRowTable::append(const FeedRowView &row) {
  const std::optional<std::string_view> *texts[3] = {&row.feedUrl, &row.feedTitle,
                                                     &row.internalLink};
  Entry entry;
  entry.channelType = row.channelType;
  std::size_t total = 0;
  for (int i = 0; i < 3; ++i) {
    if (!*texts[i]) {
      entry.length[i] = kAbsent;
      continue;
    }
    // SQLite keeps values below 2 GiB; a longer one cannot come from it.
    if ((*texts[i])->size() >= kAbsent) throw std::length_error("feed text too long");
    entry.length[i] = static_cast<std::uint32_t>((*texts[i])->size());
    total += (*texts[i])->size();
  }
  char *out = room(total, entry);
  for (int i = 0; i < 3; ++i) {
    if (entry.length[i] == kAbsent || entry.length[i] == 0) continue;
    std::memcpy(out, (*texts[i])->data(), entry.length[i]);
    out += entry.length[i];
  }
  entries_.push_back(entry);
}

FeedRowView FeedRowTable::row(std::size_t k) const {
  const Entry &entry = entries_[k];
  std::size_t total = 0;
  for (std::uint32_t length : entry.length)
    if (length != kAbsent) total += length;
  // A feed without bytes may come before the first block.
  const char *at = total > 0 ? blocks_[entry.block].get() + entry.offset : nullptr;
  std::optional<std::string_view> texts[3];
  for (int i = 0; i < 3; ++i) {
    if (entry.length[i] == kAbsent) continue;
    texts[i] = entry.length[i] == 0 ? std::string_view() : std::string_view(at, entry.length[i]);
    at += entry.length[i];
  }
  return FeedRowView{texts[0], texts[1], entry.channelType, texts[2]};
}

QString FeedRowTable::title(std::size_t k) const {
  return textOf(row(k).feedTitle).value_or(QString());
}

FeedRecord FeedRowTable::record(std::size_t k) const {
  const FeedRowView view = row(k);
  return FeedRecord{textOf(view.feedUrl), textOf(view.feedTitle), view.channelType,
                    textOf(view.internalLink)};
}

FeedList FeedRowTable::records() const {
  FeedList feeds;
  feeds.reserve(size());
  for (std::size_t k = 0; k < size(); ++k) feeds.push_back(record(k));
  return feeds;
}
