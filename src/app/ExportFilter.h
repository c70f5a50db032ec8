#pragma once

#include <cstddef>

#include "app/ProgramOptions.h"
#include "export/ImporterTroubles.h"
#include "export/SecretAddresses.h"
#include "store/FeedRow.h"

// What the command line says of the feeds it exports: those whose addresses
// carry a secret (see SecretAddresses), which --without-secrets leaves out,
// and those that other readers' importers stumble on (ImporterTroubles).
class ExportFilter {
 public:
  // With secretsElsewhere, the secrets are not looked for here unless
  // --without-secrets must decide on them: the read-back of the written
  // document counts them on its own thread, and hands them to say().
  explicit ExportFilter(const ExportChoices &choices, bool secretsElsewhere = false)
      : choices_(choices), secretsElsewhere_(secretsElsewhere && !choices.withoutSecrets) {}

  // Whether the feed goes into the export; counts it either way.
  bool takes(const FeedRow &row);
  // The read starts over: every count goes back to nothing.
  void restart() { *this = ExportFilter(choices_, secretsElsewhere_); }

  std::size_t leftOut() const { return leftOut_; }

  // Says on standard error how many feeds were left out, carry a secret,
  // may hold a key or would trouble an importer; nothing where there is none.
  // secrets: the counts made elsewhere, with secretsElsewhere.
  void say(const SecretAddresses::Counts &secrets = {}) const;

 private:
  ExportChoices choices_;
  bool secretsElsewhere_ = false;
  ImporterTroubles troubles_;
  std::size_t leftOut_ = 0;
  std::size_t carrying_ = 0;
  std::size_t mayHoldKey_ = 0;
};
