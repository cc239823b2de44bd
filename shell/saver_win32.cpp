// The application object's life: construction, the run of its mode, exit requests.
#include "shell/saver_win32.h"

#include <shellapi.h>

#include "settings/settings_dialog_win32.h"
#include "shell/link.h"

namespace sorvane {

QSaver* theSaver = nullptr;
bool windowProcEnabled = false;
bool exitOnMouse = false;

namespace {
HMODULE d3dLibrary = nullptr;
void* direct3DCreate8 = nullptr;

void FreeDirect3D() {
  if (d3dLibrary) FreeLibrary(d3dLibrary);
  d3dLibrary = nullptr;
  direct3DCreate8 = nullptr;
}
}  // namespace

QSaver::QSaver(HINSTANCE inst) : instance(inst) { theSaver = this; }

QSaver::~QSaver() { theSaver = nullptr; }

void QSaver::Run() {
  switch (mode) {
    case RunMode::Preview:
    case RunMode::Saver:
      MainLoop();
      break;
    case RunMode::Configure:
      if (!initFailed) ShowSettingsDialog();
      break;
    case RunMode::Test:
    case RunMode::Password:
      break;
  }
}

void QSaver::ShowSettingsDialog() {
  SettingsDialogSetup setup;
  setup.instance = instance;
  setup.cyrillicLocale = cyrillicLocale;
  setup.direct3DCreate8 = Direct3DCreateEntry();
  setup.openLink = OpenLink;
  RunSettingsDialog(setup);
}

void QSaver::RequestExit() {
  if ((mode == RunMode::Saver || mode == RunMode::Test) && !shutDown_) Shutdown();
}

bool LoadDirect3D() {
  d3dLibrary = LoadLibraryA("d3d8.dll");
  if (!d3dLibrary) return false;
  direct3DCreate8 = reinterpret_cast<void*>(GetProcAddress(d3dLibrary, "Direct3DCreate8"));
  if (!direct3DCreate8) {
    // A library without the entry is as good as none.
    FreeDirect3D();
    return false;
  }
  return true;
}

void* Direct3DCreateEntry() { return direct3DCreate8; }

void OpenLink(const char* text) {
  std::string target = LinkTarget(text);
  ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOW);
}

void ActivateWindow(HWND window) {
  SetForegroundWindow(window);
  ShowWindow(window, SW_SHOWDEFAULT);
  SetFocus(window);
}

}  // namespace sorvane
