#include "ReadBackCheck.h"

#include <xxhash.h>

#include <QFile>
#include <new>

#include "export/ChunkPipe.h"
#include "export/OpmlReading.h"
#include "export/PlainOpmlReader.h"

ReadBackCheck::ReadBackCheck(bool countSecrets)
    : countSecrets_(countSecrets), digest_(XXH3_createState()) {
  if (digest_ == nullptr) throw std::bad_alloc();
  start();
}

ReadBackCheck::~ReadBackCheck() {
  stop();
  XXH3_freeState(digest_);
}

void ReadBackCheck::start() {
  XXH3_64bits_reset(digest_);
  fedBytes_ = 0;
  read_.clear();
  outlines_.reset();
  secrets_ = {};
  // The digest is taken on the reader's thread too, as it reads.
  pipe_ = std::make_unique<ChunkPipe>([this](const char *bytes, qsizetype size) {
    XXH3_64bits_update(digest_, bytes, std::size_t(size));
  });
  reader_ = std::thread([this] {
    try {
      outlines_ = readPlainOpml(
          *pipe_,
          [this](const PlainOutline &outline) {
            read_.push_back(textFingerprint(outline.xmlUrl.value_or(std::string_view())));
            if (countSecrets_)
              secrets_.add(SecretAddresses::findIn(outline.xmlUrl, outline.htmlUrl));
          },
          countSecrets_);
    } catch (const std::bad_alloc &) {
      outlines_.reset();  // the file is read again, where running out is told
    }
    // A document it gives up on is read again from the file; the rest of
    // its bytes still go through the digest.
    char rest[64 * 1024];
    while (pipe_->read(rest, sizeof rest) > 0) {
    }
  });
}

void ReadBackCheck::stop() {
  if (!reader_.joinable()) return;
  pipe_->end();
  reader_.join();
}

void ReadBackCheck::feed(const char *bytes, qsizetype size) {
  fedBytes_ += std::uint64_t(size);
  pipe_->put(bytes, size);
}

void ReadBackCheck::restart() {
  stop();
  start();
}

std::optional<QString> ReadBackCheck::verify(const QByteArray &path, const QString &shownName,
                                             const WrittenFeeds &written) {
  stop();
  // The file's own bytes, once: the same as those fed?
  bool same = false;
  QFile file;
  if (openForReading(file, path)) {
    XXH3_state_t *digest = XXH3_createState();
    if (digest == nullptr) throw std::bad_alloc();
    XXH3_64bits_reset(digest);
    QByteArray chunk(1024 * 1024, Qt::Uninitialized);
    std::uint64_t bytes = 0;
    qint64 n = 0;
    while ((n = file.read(chunk.data(), chunk.size())) > 0) {
      XXH3_64bits_update(digest, chunk.constData(), std::size_t(n));
      bytes += std::uint64_t(n);
    }
    same =
        n == 0 && bytes == fedBytes_ && XXH3_64bits_digest(digest) == XXH3_64bits_digest(digest_);
    XXH3_freeState(digest);
  }
  if (same && outlines_ && *outlines_ == written.count() && read_ == written.fingerprints()) {
    return std::nullopt;
  }
  // Something differs, or the document is not one the fast reader takes:
  // the slow way decides, and says what differs.
  if (auto reason = checkWrittenFile(path, shownName, written)) return reason;
  if (same) return std::nullopt;
  return QStringLiteral(
             "%1 was written, but reading it back found other bytes than were written. The disk "
             "or the file system may have failed; export again, to another place if it happens "
             "again.")
      .arg(shownName);
}

SecretAddresses::Counts ReadBackCheck::secrets(const QByteArray &path) {
  stop();
  if (outlines_ || path.isEmpty()) return secrets_;
  SecretAddresses::Counts counts;
  readOpmlFile(path, [&counts](const OpmlOutline &outline) {
    if (outline.isFolder) return;
    const QByteArray feed = outline.xmlUrl.toUtf8(), site = outline.htmlUrl.toUtf8();
    auto view = [](bool has, const QByteArray &bytes) {
      return has ? std::optional(std::string_view(bytes.constData(), std::size_t(bytes.size())))
                 : std::nullopt;
    };
    counts.add(
        SecretAddresses::findIn(view(outline.hasXmlUrl, feed), view(outline.hasHtmlUrl, site)));
  });
  return counts;
}
