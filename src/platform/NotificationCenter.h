#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

// Named notifications without payload, delivered to observers inside the
// process.
//
// post() runs the observers registered for the name in the order they were
// registered, on the posting thread, and returns when the last has returned.
// An observer may add or remove observers while a post runs: one added then is
// first called by the next post, one removed then is not called any more.
// Registration and removal are thread-safe.
class NotificationCenter {
 public:
  using Token = std::uint64_t;  // 0 is never a valid token

  // The process-wide centre. Never destroyed.
  static NotificationCenter &defaultCenter();

  NotificationCenter();
  ~NotificationCenter();
  NotificationCenter(const NotificationCenter &) = delete;
  NotificationCenter &operator=(const NotificationCenter &) = delete;

  Token addObserver(const QString &name, std::function<void()> fn);
  // Unknown and already removed tokens are ignored.
  void removeObserver(Token token);
  void post(const QString &name);
  // How many observers the name has now.
  int observerCount(const QString &name) const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};
