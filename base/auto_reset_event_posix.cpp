// Auto-reset events for the native build: a flag under a mutex with a
// condition variable, shared by every handle on the event.
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "base/auto_reset_event.h"

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

}  // namespace

AutoResetEvent AutoResetEvent::Create() {
  AutoResetEvent e;
  e.handle_ = new Handle{std::make_shared<EventState>()};
  return e;
}

AutoResetEvent AutoResetEvent::Duplicate() const {
  AutoResetEvent e;
  if (handle_) e.handle_ = new Handle{static_cast<Handle*>(handle_)->state};
  return e;
}

bool AutoResetEvent::Set() {
  if (!handle_) return false;
  EventState& s = *static_cast<Handle*>(handle_)->state;
  {
    std::lock_guard lock(s.mutex);
    s.set = true;
  }
  s.signalled.notify_one();
  return true;
}

bool AutoResetEvent::Wait(uint32_t timeoutMs) {
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

void AutoResetEvent::Close() {
  delete static_cast<Handle*>(handle_);
  handle_ = nullptr;
}

}  // namespace sorvane
