#include "store/FeedRowTable.h"

#include <cstring>
#include <stdexcept>

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

void FeedRowTable::append(const FeedRow &row) {
  const std::optional<std::string_view> *texts[3] = {&row.htmlUrl, &row.title, &row.xmlUrl};
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

FeedRow FeedRowTable::row(std::size_t k) const {
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
  return FeedRow{texts[0], texts[1], entry.channelType, texts[2]};
}
