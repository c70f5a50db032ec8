#pragma once

#include <cstddef>

#include "store/FeedRow.h"

// What the command line does with feeds whose addresses carry a secret (see
// SecretAddresses): counts them and says so, and with --without-secrets
// leaves them out of the export.
class SecretFilter {
 public:
  explicit SecretFilter(bool leaveOut) : leaveOut_(leaveOut) {}

  // Whether the feed goes into the export; counts it either way.
  bool takes(const FeedRow &row);
  // The read starts over: every count goes back to nothing.
  void restart() { *this = SecretFilter(leaveOut_); }

  std::size_t leftOut() const { return leftOut_; }

  // Says on standard error how many feeds were left out, carry a secret or
  // may hold a key; nothing where there is none.
  void say() const;

 private:
  bool leaveOut_ = false;
  std::size_t leftOut_ = 0;
  std::size_t carrying_ = 0;
  std::size_t mayHoldKey_ = 0;
};
