// Named events for the native build: auto-reset events on a mutex and a
// condition variable, found by name in a process-wide table as the system's
// object namespace would find them.
#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "base/named_event.h"

namespace sorvane {

namespace {

struct EventState {
  std::mutex mutex;
  std::condition_variable signalled;
  bool set = false;
};

struct Handle {
  std::shared_ptr<EventState> state;
};

std::mutex tableMutex;
std::map<std::string, std::weak_ptr<EventState>>& Table() {
  static std::map<std::string, std::weak_ptr<EventState>> table;
  return table;
}

}  // namespace

NamedEvent NamedEvent::Create(const char* name) {
  std::lock_guard lock(tableMutex);
  std::shared_ptr<EventState> state = Table()[name].lock();
  if (!state) {
    state = std::make_shared<EventState>();
    Table()[name] = state;
  }
  NamedEvent e;
  e.handle_ = new Handle{state};
  return e;
}

NamedEvent NamedEvent::Open(const char* name) {
  std::lock_guard lock(tableMutex);
  auto it = Table().find(name);
  NamedEvent e;
  if (it == Table().end()) return e;
  if (std::shared_ptr<EventState> state = it->second.lock()) e.handle_ = new Handle{state};
  return e;
}

bool NamedEvent::Set() {
  if (!handle_) return false;
  EventState& s = *static_cast<Handle*>(handle_)->state;
  {
    std::lock_guard lock(s.mutex);
    s.set = true;
  }
  s.signalled.notify_one();
  return true;
}

bool NamedEvent::Wait(uint32_t timeoutMs) {
  if (!handle_) return false;
  EventState& s = *static_cast<Handle*>(handle_)->state;
  std::unique_lock lock(s.mutex);
  auto isSet = [&] { return s.set; };
  if (timeoutMs == kWaitForever) {
    s.signalled.wait(lock, isSet);
  } else if (!s.signalled.wait_for(lock, std::chrono::milliseconds(timeoutMs), isSet)) {
    return false;
  }
  s.set = false;
  return true;
}

void NamedEvent::Close() {
  delete static_cast<Handle*>(handle_);
  handle_ = nullptr;
}

}  // namespace sorvane
