// The module's entry: one full-screen saver at a time, one application object,
// start-up, the run of the mode, and the end of the process.
#include "shell/messages.h"
#include "shell/saver_win32.h"

using namespace sorvane;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (HWND running = FindWindowA("QSaverClass", "Sorvane")) {
    ActivateWindow(running);
    TerminateProcess(GetCurrentProcess(), 0);
    return 0;
  }

  QSaver* saver = new (std::nothrow) QSaver(instance);
  if (!saver) return 0;
  if (!saver->Startup(GetCommandLineA())) {
    MessageBoxA(saver->mainWindow, kInitFailedText, kErrorTitle, MB_OK);
    return 0;
  }
  saver->Run();
  if (saver->mode == RunMode::Preview || saver->mode == RunMode::Saver || saver->mode == RunMode::Test)
    ShowCursor(TRUE);
  // A calculation thread that would not stop may still read the scene.
  if (!saver->CalculationRunning()) delete saver;
  TerminateProcess(GetCurrentProcess(), 0);
  return 0;
}
