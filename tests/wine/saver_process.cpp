#include "saver_process.h"

#include <cstdlib>
#include <cstring>

namespace sorvane::testing {

SaverProcess::SaverProcess(const std::string& arguments) {
  const char* path = std::getenv("SORVANE_SCR");
  if (!path) return;
  std::string command = "\"" + std::string(path) + "\" " + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_))
    info_ = {};
}

SaverProcess::~SaverProcess() {
  if (!info_.hProcess) return;
  if (WaitForSingleObject(info_.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(info_.hProcess, 1);
  CloseHandle(info_.hProcess);
  CloseHandle(info_.hThread);
}

bool SaverProcess::WaitForExit(DWORD ms) { return info_.hProcess && WaitForSingleObject(info_.hProcess, ms) == WAIT_OBJECT_0; }

HWND WaitForWindow(const std::function<HWND()>& found, DWORD ms) {
  DWORD start = GetTickCount();
  while (GetTickCount() - start < ms) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    if (HWND w = found()) return w;
    Sleep(20);
  }
  return nullptr;
}

namespace {
struct Search {
  DWORD processId;
  const char* className;
  const char* title;
  HWND result;
};

BOOL CALLBACK Visit(HWND window, LPARAM param) {
  Search& s = *reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  char cls[128] = {}, title[256] = {};
  GetClassNameA(window, cls, sizeof cls);
  GetWindowTextA(window, title, sizeof title);
  if (pid == s.processId && (!s.className || std::strcmp(cls, s.className) == 0) &&
      (!s.title || std::strcmp(title, s.title) == 0)) {
    s.result = window;
    return FALSE;
  }
  return TRUE;
}
}  // namespace

HWND FindProcessWindow(DWORD processId, const char* className, const char* title) {
  Search s{processId, className, title, nullptr};
  EnumWindows(Visit, reinterpret_cast<LPARAM>(&s));
  return s.result;
}

}  // namespace sorvane::testing
