#include "ChunkPipe.h"

#include <algorithm>
#include <cstring>
#include <utility>

ChunkPipe::ChunkPipe(Observer observer, qsizetype bound)
    : observer_(std::move(observer)), bound_(bound) {
  open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

void ChunkPipe::put(const char *bytes, qsizetype size) {
  if (size <= 0) return;
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return waiting_ < bound_; });
  chunks_.emplace_back(bytes, size);
  waiting_ += size;
  changed_.notify_all();
}

void ChunkPipe::end() {
  std::lock_guard lock(mutex_);
  ended_ = true;
  changed_.notify_all();
}

qint64 ChunkPipe::readData(char *data, qint64 maxSize) {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return !chunks_.empty() || ended_; });
  qint64 copied = 0;
  while (copied < maxSize && !chunks_.empty()) {
    const QByteArray &chunk = chunks_.front();
    const qsizetype n = std::min<qsizetype>(chunk.size() - offset_, qsizetype(maxSize - copied));
    std::memcpy(data + copied, chunk.constData() + offset_, std::size_t(n));
    copied += n;
    offset_ += n;
    waiting_ -= n;
    if (offset_ == chunk.size()) {
      chunks_.pop_front();
      offset_ = 0;
    }
  }
  changed_.notify_all();
  lock.unlock();
  if (observer_ && copied > 0) observer_(data, copied);
  return copied;  // 0: nothing more will come
}
