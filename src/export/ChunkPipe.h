#pragma once

#include <QByteArray>
#include <QIODevice>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

// Bytes handed from one thread to a reader on another, as a sequential
// device that the reader reads as it would read a file. The writing side
// waits while more than `bound` bytes are waiting, so that memory stays flat
// whichever side is faster: the reader must read to the end.
class ChunkPipe : public QIODevice {
 public:
  // Sees every byte as the reader takes it, on the reader's thread.
  using Observer = std::function<void(const char *bytes, qsizetype size)>;

  explicit ChunkPipe(Observer observer = {}, qsizetype bound = 4 * 1024 * 1024);

  // The writing side: the next bytes, then the end.
  void put(const char *bytes, qsizetype size);
  void end();

  bool isSequential() const override { return true; }

 protected:
  qint64 readData(char *data, qint64 maxSize) override;
  qint64 writeData(const char *, qint64) override { return -1; }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<QByteArray> chunks_;
  qsizetype offset_ = 0;  // read from the first chunk
  qsizetype waiting_ = 0;
  Observer observer_;
  qsizetype bound_;
  bool ended_ = false;
};
