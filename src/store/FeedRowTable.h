#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "store/FeedRow.h"

// Every feed of a read, kept as the UTF-8 bytes SQLite gave: a feed's three
// texts sit side by side in large byte blocks, and each feed adds 24 bytes of
// bookkeeping. For 100,000 feeds that is about a quarter of what the same
// feeds take as three QStrings each, and filling it allocates once per
// megabyte rather than three times per feed.
//
// Views handed out stay valid until the table is changed or destroyed; moving
// the table keeps them valid.
class FeedRowTable {
 public:
  FeedRowTable() = default;
  FeedRowTable(FeedRowTable &&) noexcept = default;
  FeedRowTable &operator=(FeedRowTable &&) noexcept = default;
  FeedRowTable(const FeedRowTable &) = delete;
  FeedRowTable &operator=(const FeedRowTable &) = delete;

  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }

  // Copies the row's bytes in as the last feed.
  void append(const FeedRow &row);

  // Feed k (k < size()).
  FeedRow row(std::size_t k) const;

 private:
  // One feed: its texts lie one after another at `offset` in block `block`;
  // kAbsent marks a text that has no value.
  struct Entry {
    std::uint32_t block = 0;
    std::uint32_t offset = 0;
    std::uint32_t length[3] = {0, 0, 0};
    std::int32_t channelType = 0;
  };
  static constexpr std::uint32_t kAbsent = UINT32_MAX;
  static constexpr std::size_t kBlockBytes = 1 << 20;

  // Room for `bytes` bytes that do not cross a block; sets where they go.
  char *room(std::size_t bytes, Entry &entry);

  std::vector<Entry> entries_;
  std::vector<std::unique_ptr<char[]>> blocks_;
  // The block being filled and how much of it is used; a feed larger than a
  // block gets a block of its own and leaves this one open.
  std::size_t openBlock_ = 0;
  std::size_t openUsed_ = kBlockBytes;
};
