// Notifications from a state object to whoever shows it. A state object lives on the
// user-interface thread; so do its listeners.
#pragma once

#include <algorithm>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace zorvat {

// Ends a connection when it dies. It may outlive the signal it came from.
class Subscription {
 public:
  Subscription() = default;
  explicit Subscription(std::function<void()> cancel) : cancel_(std::move(cancel)) {}
  Subscription(Subscription&& other) noexcept : cancel_(std::exchange(other.cancel_, {})) {}
  Subscription& operator=(Subscription&& other) noexcept {
    if (this != &other) {
      Reset();
      cancel_ = std::exchange(other.cancel_, {});
    }
    return *this;
  }
  Subscription(const Subscription&) = delete;
  Subscription& operator=(const Subscription&) = delete;
  ~Subscription() { Reset(); }

  void Reset() {
    if (cancel_) std::exchange(cancel_, {})();
  }

 private:
  std::function<void()> cancel_;
};

template <class... Args>
class Signal {
 public:
  using Slot = std::function<void(Args...)>;

  Signal() = default;
  Signal(const Signal&) = delete;
  Signal& operator=(const Signal&) = delete;

  [[nodiscard]] Subscription Connect(Slot slot) {
    const int id = slots_->nextId++;
    slots_->entries.push_back({id, std::make_shared<Slot>(std::move(slot))});
    return Subscription([weak = std::weak_ptr<Slots>(slots_), id] {
      if (auto list = weak.lock()) {
        std::erase_if(list->entries, [id](const Entry& entry) { return entry.id == id; });
      }
    });
  }

  // Calls every slot connected now; a slot disconnected by an earlier one is skipped.
  void Emit(Args... args) const {
    const std::vector<Entry> entries = slots_->entries;
    for (const Entry& entry : entries) {
      if (Connected(entry.id)) (*entry.slot)(args...);
    }
  }

 private:
  struct Entry {
    int id;
    std::shared_ptr<Slot> slot;
  };
  struct Slots {
    int nextId = 1;
    std::vector<Entry> entries;
  };

  bool Connected(int id) const {
    return std::any_of(slots_->entries.begin(), slots_->entries.end(),
                       [id](const Entry& entry) { return entry.id == id; });
  }

  std::shared_ptr<Slots> slots_ = std::make_shared<Slots>();
};

}  // namespace zorvat
