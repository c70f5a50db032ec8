#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "store/FeedRow.h"

// The feeds of an export that other readers' importers stumble on, counted
// as the rows go by, so that an export can say so before the import fails:
// a feed without a feed address (importers skip it, or add an empty feed), an
// address that is not http(s), an address an earlier feed has already, a
// title with a line break or tab, and a title that repeats an earlier one
// once case, punctuation and spaces are set aside ("Tom & Jerry", "tom:
// jerry"), which makes some readers stop the whole import.
class ImporterTroubles {
 public:
  // Looks at the next feed of the export (the rows in order).
  void add(const FeedRow &row);
  void clear() { *this = ImporterTroubles(); }
  // Room for this many feeds at once, where the count is known beforehand:
  // growing one feed at a time copies and touches fresh memory again at
  // every doubling, most of a large list's look.
  void reserve(std::size_t feeds);

  std::size_t withoutAddress() const { return withoutAddress_; }
  std::size_t repeatedAddress() const { return settled().repeatedAddress; }
  std::size_t titleBreaks() const { return titleBreakFeeds_.size(); }
  std::size_t repeatedTitle() const { return settled().repeatedTitle; }
  // The feeds (their places among the rows added) that have any of these.
  const std::vector<std::size_t> &troubled() const { return settled().troubled; }

  // One sentence per kind of trouble, for the command line; with
  // titlesMadeSafe, what became of the titles instead of their troubles.
  std::vector<QString> warnings(bool titlesMadeSafe = false) const;

  // The fingerprint of a title as it is compared for repeats (letters and
  // digits only, in lower case); 0 for a title without any.
  static std::uint64_t foldedTitleFingerprint(std::string_view utf8);

 private:
  std::size_t withoutAddress_ = 0, notWeb_ = 0;
  // The feeds with a trouble of their own (no address, not web, a break),
  // and those whose title has a break.
  std::vector<std::size_t> troubledAlone_, titleBreakFeeds_;
  // The folded title itself, for a title that is not ASCII (an ASCII one is
  // folded on its way into the fingerprint).
  static std::string foldedTitle(std::string_view utf8);
  // The folded title's fingerprint, and whether the title has a line break
  // or tab.
  static std::uint64_t lookAtTitle(std::string_view utf8, bool &breaks);
  // The fingerprint of each feed's address and folded title, in feed order
  // (0 for a feed without one), looked at for repeats once asked: a set that
  // takes each as it comes is as large as the export and misses the cache at
  // every feed, which cost a quarter of a large export's time. Eight bytes a
  // feed each: most of the time a large list takes here is the fresh memory.
  std::vector<std::uint64_t> addresses_, titles_;
  // The places of the feeds that repeat an earlier one's fingerprint.
  static std::vector<std::size_t> repeatsIn(const std::vector<std::uint64_t> &fingerprints);
  struct Settled {
    bool done = false;
    std::size_t repeatedAddress = 0, repeatedTitle = 0;
    // Titles with a break, a repeat or both, each once.
    std::size_t mendedTitles = 0;
    std::vector<std::size_t> troubled;
  };
  const Settled &settled() const;
  mutable Settled settled_;
};
