#pragma once

#include <cstddef>

#include "app/ProgramOptions.h"
#include "export/ImporterTroubles.h"
#include "store/FeedRow.h"

// What the command line says of the feeds it exports: those whose addresses
// carry a secret (see SecretAddresses), which --without-secrets leaves out,
// and those that other readers' importers stumble on (ImporterTroubles).
class ExportFilter {
 public:
  explicit ExportFilter(const ExportChoices &choices) : choices_(choices) {}

  // Whether the feed goes into the export; counts it either way.
  bool takes(const FeedRow &row);
  // The read starts over: every count goes back to nothing.
  void restart() { *this = ExportFilter(choices_); }

  std::size_t leftOut() const { return leftOut_; }

  // Says on standard error how many feeds were left out, carry a secret,
  // may hold a key or would trouble an importer; nothing where there is none.
  void say() const;

 private:
  ExportChoices choices_;
  ImporterTroubles troubles_;
  std::size_t leftOut_ = 0;
  std::size_t carrying_ = 0;
  std::size_t mayHoldKey_ = 0;
};
