// Auto-reset events on unnamed Windows kernel events.
#include <windows.h>

#include "base/auto_reset_event.h"

namespace sorvane {

AutoResetEvent AutoResetEvent::Create() {
  AutoResetEvent e;
  e.handle_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  return e;
}

AutoResetEvent AutoResetEvent::Duplicate() const {
  AutoResetEvent e;
  HANDLE copy = nullptr;
  if (handle_ && DuplicateHandle(GetCurrentProcess(), handle_, GetCurrentProcess(), &copy, 0, FALSE,
                                 DUPLICATE_SAME_ACCESS)) {
    e.handle_ = copy;
  }
  return e;
}

bool AutoResetEvent::Set() { return handle_ && SetEvent(handle_); }

bool AutoResetEvent::Wait(uint32_t timeoutMs) {
  return handle_ && WaitForSingleObject(handle_, timeoutMs == kWaitForever ? INFINITE : timeoutMs) == WAIT_OBJECT_0;
}

void AutoResetEvent::Close() {
  if (handle_) CloseHandle(handle_);
  handle_ = nullptr;
}

}  // namespace sorvane
