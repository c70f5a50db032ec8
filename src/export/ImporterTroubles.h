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

  std::size_t withoutAddress() const { return withoutAddress_; }
  std::size_t notWeb() const { return notWeb_; }
  std::size_t repeatedAddress() const { return repeatedAddress_; }
  std::size_t titleBreaks() const { return titleBreaks_; }
  std::size_t repeatedTitle() const { return repeatedTitle_; }
  // The feeds (their places among the rows added) that have any of these.
  const std::vector<std::size_t> &troubled() const { return troubled_; }

  // One sentence per kind of trouble, for the command line; with
  // titlesMadeSafe, what became of the titles instead of their troubles.
  std::vector<QString> warnings(bool titlesMadeSafe = false) const;

  // The fingerprint of a title as it is compared for repeats (letters and
  // digits only, in lower case); 0 for a title without any.
  static std::uint64_t foldedTitleFingerprint(std::string_view utf8);

 private:
  std::size_t rows_ = 0;
  std::size_t withoutAddress_ = 0, notWeb_ = 0, repeatedAddress_ = 0, titleBreaks_ = 0,
              repeatedTitle_ = 0;
  std::vector<std::size_t> troubled_;
  // The folded title itself, for a title that is not ASCII (an ASCII one is
  // folded on its way into the fingerprint).
  static std::string foldedTitle(std::string_view utf8);
  // The folded title's fingerprint, and whether the title has a line break
  // or tab.
  static std::uint64_t lookAtTitle(std::string_view utf8, bool &breaks);
  // Fingerprints of the addresses and folded titles seen, in open
  // addressing: 16 bytes a feed at most, where a node-based set takes 40.
  class FingerprintSet {
   public:
    // False when the fingerprint was there already.
    bool insert(std::uint64_t fingerprint);

   private:
    std::vector<std::uint64_t> slots_;
    std::size_t used_ = 0;
  };
  FingerprintSet addresses_, titles_;
};
