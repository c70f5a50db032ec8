#include "app/ExportFilter.h"

#include <QLocale>

#include "app/StandardStreams.h"
#include "export/SecretAddresses.h"
#include "export/WrittenFileCheck.h"

ExportChoices exportChoices(const Arguments &arguments) {
  return {arguments.has("without-secrets"), arguments.value("opml-version") == "2.0",
          arguments.has("importable-titles")};
}

bool ExportFilter::takes(const FeedRow &row) {
  const SecretAddresses::Finding finding =
      secretsElsewhere_ ? SecretAddresses::Finding::Nothing : SecretAddresses::findIn(row);
  if (finding == SecretAddresses::Finding::Secret) {
    if (choices_.withoutSecrets) {
      ++leftOut_;
      return false;
    }
    ++carrying_;
  } else if (finding == SecretAddresses::Finding::MaybeKey) {
    ++mayHoldKey_;
  }
  troubles_.add(row);
  return true;
}

void ExportFilter::say(const SecretAddresses::Counts &secrets) const {
  const std::size_t carrying = secretsElsewhere_ ? secrets.carrying : carrying_;
  const std::size_t mayHoldKey = secretsElsewhere_ ? secrets.mayHoldKey : mayHoldKey_;
  for (const QString &warning : troubles_.warnings(choices_.importableTitles)) {
    printLine(stderr, warning);
  }
  if (leftOut_ > 0) {
    printLine(stderr, QStringLiteral("Left out %1 whose address carries a user name, password or "
                                     "key, as --without-secrets asks.")
                          .arg(feedCountText(leftOut_)));
  }
  if (carrying > 0) {
    printLine(stderr,
              QStringLiteral("Warning: %1 of the exported feeds %2 a user name, password "
                             "or key in their address; anyone who gets the file can use "
                             "them. --without-secrets leaves them out.")
                  .arg(QLocale().toString(qulonglong(carrying)),
                       carrying == 1 ? QStringLiteral("carries") : QStringLiteral("carry")));
  }
  if (mayHoldKey > 0) {
    printLine(stderr, QStringLiteral("Note: %1 of the exported feeds %2 an address with a long "
                                     "random part that may be a key; look at them before you "
                                     "share the file.")
                          .arg(QLocale().toString(qulonglong(mayHoldKey)),
                               mayHoldKey == 1 ? QStringLiteral("has") : QStringLiteral("have")));
  }
}
