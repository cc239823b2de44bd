// Auto-reset events, the only link between the frame and the calculation
// thread. They have no name: the saver creates them and hands each thread a
// handle of its own, so no other process can reach them. Windows events on
// Windows; a small in-process equivalent in the native build.
#pragma once
#include <cstdint>

namespace sorvane {

constexpr uint32_t kWaitForever = 0xFFFFFFFFu;

class AutoResetEvent {
 public:
  AutoResetEvent() = default;
  AutoResetEvent(const AutoResetEvent&) = delete;
  AutoResetEvent& operator=(const AutoResetEvent&) = delete;
  AutoResetEvent(AutoResetEvent&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
  AutoResetEvent& operator=(AutoResetEvent&& other) noexcept {
    if (this != &other) {
      Close();
      handle_ = other.handle_;
      other.handle_ = nullptr;
    }
    return *this;
  }
  ~AutoResetEvent() { Close(); }

  // A new auto-reset, non-signalled event; invalid when none could be made.
  static AutoResetEvent Create();
  // Another handle on the same event, to be owned (and closed) by another
  // thread; invalid when this one is.
  AutoResetEvent Duplicate() const;

  bool valid() const { return handle_ != nullptr; }
  bool Set();
  // True when the event was signalled (and so reset) within the timeout.
  bool Wait(uint32_t timeoutMs = kWaitForever);
  void Close();

 private:
  void* handle_ = nullptr;
};

}  // namespace sorvane
