// Auto-reset events known by name across the process, the only link between
// the frame and the calculation thread. Windows events on Windows; a small
// in-process equivalent in the native build.
#pragma once
#include <cstdint>

namespace sorvane {

constexpr uint32_t kWaitForever = 0xFFFFFFFFu;

class NamedEvent {
 public:
  NamedEvent() = default;
  NamedEvent(const NamedEvent&) = delete;
  NamedEvent& operator=(const NamedEvent&) = delete;
  NamedEvent(NamedEvent&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
  NamedEvent& operator=(NamedEvent&& other) noexcept {
    if (this != &other) {
      Close();
      handle_ = other.handle_;
      other.handle_ = nullptr;
    }
    return *this;
  }
  ~NamedEvent() { Close(); }

  // A new auto-reset, non-signalled event.
  static NamedEvent Create(const char* name);
  // The event of that name that Create made; invalid when there is none.
  static NamedEvent Open(const char* name);

  bool valid() const { return handle_ != nullptr; }
  bool Set();
  // True when the event was signalled (and so reset) within the timeout.
  bool Wait(uint32_t timeoutMs = kWaitForever);
  void Close();

 private:
  void* handle_ = nullptr;
};

constexpr const char* kStartCalculationEvent = "StartCalculation";
constexpr const char* kStopCalculationEvent = "StopCalculation";

}  // namespace sorvane
