// Starts Sorvane.scr (path in SORVANE_SCR) with a command line and watches it.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace sorvane::testing {

class SaverProcess {
 public:
  explicit SaverProcess(const std::string& arguments);
  ~SaverProcess();
  bool started() const { return info_.hProcess != nullptr; }
  // True when the process ended within the time.
  bool WaitForExit(DWORD ms);
  DWORD id() const { return info_.dwProcessId; }

 private:
  PROCESS_INFORMATION info_ = {};
};

// Pumps this thread's messages until `found` gives a window or the time is up.
HWND WaitForWindow(const std::function<HWND()>& found, DWORD ms);

// The top-level window of a process with the given class and title.
HWND FindProcessWindow(DWORD processId, const char* className, const char* title);

}  // namespace sorvane::testing
