#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "export/SecretAddresses.h"
#include "export/WrittenFileCheck.h"

class ChunkPipe;
struct XXH3_state_s;

// The check of an export, done mostly while it is written. The document's
// bytes are read as XML on a thread of their own, on the second core, as
// they go to the file, and a digest of them is kept; once the file is
// written, only the digest of what it holds is compared with theirs. So the
// file is shown to be well-formed and to hold every feed address as written
// for little more than one read of its bytes. Anything that differs is read
// again the slow way (checkWrittenFile), which says what differs.
//
// With countSecrets, the reader also looks for secrets in the outlines'
// addresses as it reads them (see SecretAddresses), so that the writing
// thread need not.
class ReadBackCheck {
 public:
  explicit ReadBackCheck(bool countSecrets = false);
  ~ReadBackCheck();
  ReadBackCheck(const ReadBackCheck &) = delete;
  ReadBackCheck &operator=(const ReadBackCheck &) = delete;

  // The document's next bytes, as they go out; on the writing thread.
  void feed(const char *bytes, qsizetype size);
  // The document starts over: everything fed so far is forgotten.
  void restart();

  // Once the file at path is written: nothing when it holds exactly the
  // bytes fed, and they read back as `written`; else the sentence for the
  // user, as checkWrittenFile() gives it.
  std::optional<QString> verify(const QByteArray &path, const QString &shownName,
                                const WrittenFeeds &written);

  // With countSecrets, once the document is fed whole: the feeds whose
  // addresses carry a secret or may hold a key. Where the fast reader did not
  // read it whole, they are counted from the file at path (when there is one).
  SecretAddresses::Counts secrets(const QByteArray &path = {});

 private:
  void start();
  void stop();

  std::unique_ptr<ChunkPipe> pipe_;
  std::thread reader_;
  // What the reader found: the outlines' address fingerprints in order, and
  // whether it read the whole document as plain, well-formed OPML.
  std::vector<std::uint64_t> read_;
  std::optional<std::size_t> outlines_;
  const bool countSecrets_;
  SecretAddresses::Counts secrets_;
  XXH3_state_s *digest_ = nullptr;
  std::uint64_t fedBytes_ = 0;
};
