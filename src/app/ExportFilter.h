#pragma once

#include <cstddef>

#include "app/CommandLine.h"
#include "export/ImporterTroubles.h"
#include "export/SecretAddresses.h"
#include "store/FeedRow.h"

// How --export and --backup write: which feeds and which OPML.
struct ExportChoices {
  bool withoutSecrets = false;    // --without-secrets
  bool opml2 = false;             // --opml-version 2.0
  bool importableTitles = false;  // --importable-titles
};

// The options of the choices, which go with both commands.
inline constexpr Option kExportChoiceOptions[] = {
    {.name = "opml-version",
     .value = "VERSION",
     .help = "write OPML VERSION: 1.0 (the default), or 2.0, whose head says when it was made.",
     .refuse =
         [](const QByteArray &v) {
           return v == "1.0" || v == "2.0" ? nullptr : "takes 1.0 or 2.0";
         }},
    {.name = "without-secrets",
     .help = "leave out the feeds whose address carries a user name, password, key or token."},
    {.name = "importable-titles",
     .help = "make titles safe for any reader: line breaks and tabs become spaces, and a title "
             "that repeats an earlier one (case, punctuation and spaces aside) gets \"\xa0(2)\", "
             "\"\xa0(3)\"... in feed order. Without it, the export warns of such titles, of feeds "
             "without a feed address, with an address that is not http(s), or repeated."},
};
ExportChoices exportChoices(const Arguments &arguments);

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
