// Named events on Windows kernel events.
#include <windows.h>

#include "base/named_event.h"

namespace sorvane {

NamedEvent NamedEvent::Create(const char* name) {
  NamedEvent e;
  e.handle_ = CreateEventA(nullptr, FALSE, FALSE, name);
  return e;
}

NamedEvent NamedEvent::Open(const char* name) {
  NamedEvent e;
  e.handle_ = OpenEventA(EVENT_ALL_ACCESS, FALSE, name);
  return e;
}

bool NamedEvent::Set() { return handle_ && SetEvent(handle_); }

bool NamedEvent::Wait(uint32_t timeoutMs) {
  return handle_ && WaitForSingleObject(handle_, timeoutMs == kWaitForever ? INFINITE : timeoutMs) == WAIT_OBJECT_0;
}

void NamedEvent::Close() {
  if (handle_) CloseHandle(handle_);
  handle_ = nullptr;
}

}  // namespace sorvane
