#include "NotificationCenter.h"

#include <QHash>
#include <atomic>
#include <mutex>
#include <vector>

namespace {

struct Observer {
  NotificationCenter::Token token = 0;
  std::function<void()> fn;
  std::atomic<bool> active{true};
};

}  // namespace

struct NotificationCenter::State {
  std::mutex mutex;
  Token nextToken = 1;
  QHash<QString, std::vector<std::shared_ptr<Observer>>> byName;
  QHash<Token, QString> nameOf;
};

NotificationCenter &NotificationCenter::defaultCenter() {
  static NotificationCenter *const center = new NotificationCenter;
  return *center;
}

NotificationCenter::NotificationCenter() : state_(std::make_unique<State>()) {}

NotificationCenter::~NotificationCenter() = default;

NotificationCenter::Token NotificationCenter::addObserver(const QString &name,
                                                          std::function<void()> fn) {
  auto observer = std::make_shared<Observer>();
  observer->fn = std::move(fn);
  std::lock_guard lock(state_->mutex);
  observer->token = state_->nextToken++;
  state_->byName[name].push_back(observer);
  state_->nameOf.insert(observer->token, name);
  return observer->token;
}

void NotificationCenter::removeObserver(Token token) {
  std::lock_guard lock(state_->mutex);
  const auto name = state_->nameOf.constFind(token);
  if (name == state_->nameOf.constEnd()) {
    return;
  }
  auto list = state_->byName.find(*name);
  if (list != state_->byName.end()) {
    auto &observers = *list;
    for (auto it = observers.begin(); it != observers.end(); ++it) {
      if ((*it)->token == token) {
        // A post in progress holds its own copy of the list; the flag keeps
        // it from calling an observer removed meanwhile.
        (*it)->active = false;
        observers.erase(it);
        break;
      }
    }
    if (observers.empty()) {
      state_->byName.erase(list);
    }
  }
  state_->nameOf.erase(name);
}

void NotificationCenter::post(const QString &name) {
  std::vector<std::shared_ptr<Observer>> observers;
  {
    std::lock_guard lock(state_->mutex);
    const auto list = state_->byName.constFind(name);
    if (list == state_->byName.constEnd()) {
      return;
    }
    observers = *list;
  }
  // Called without the lock, so observers may register, remove and post.
  for (const auto &observer : observers) {
    if (observer->active && observer->fn) {
      observer->fn();
    }
  }
}

int NotificationCenter::observerCount(const QString &name) const {
  std::lock_guard lock(state_->mutex);
  const auto list = state_->byName.constFind(name);
  return list == state_->byName.constEnd() ? 0 : static_cast<int>(list->size());
}
