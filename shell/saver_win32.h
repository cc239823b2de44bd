// The application object: everything a run of the saver owns on Windows, from
// start-up through the windows and the main loop to shutdown.
#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "saver/saver_core.h"
#include "settings/load_settings.h"
#include "shell/displays.h"
#include "shell/frame_pacer.h"
#include "shell/mouse_exit.h"
#include "base/run_mode.h"

namespace sorvane {

class QSaver {
 public:
  explicit QSaver(HINSTANCE instance);
  ~QSaver();

  // Everything from language detection to the windows of the mode.
  bool Startup(const char* commandLine);
  void Run();
  // The settings dialog of Configure mode, in the user's language.
  void ShowSettingsDialog();
  LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void RequestExit();
  // True while the calculation thread may still use this object's scene.
  bool CalculationRunning() const { return core_ && core_->CycleRunning(); }

  RunMode mode = RunMode::Saver;
  HWND parentWindow = nullptr;
  HINSTANCE instance = nullptr;
  HWND mainWindow = nullptr;
  std::vector<DisplayInfo> displays;
  // Read once at the start of Startup.
  Settings settings;
  bool renderingActive = false;
  bool initFailed = false;
  bool cyrillicLocale = false;

 private:
  void DetectLanguage();
  void EnumerateDisplays();
  bool CreateSaverWindows();
  void PaintPreview(HWND window, HDC dc);
  void MainLoop();
  bool InitScene(SceneError& error);
  void Shutdown();

  // The saver's scene, its frames and its calculation thread; Saver mode only.
  std::unique_ptr<SaverCore> core_;
  FramePacer pacer_;
  MouseExitRule mouseExit_;
  bool shutDown_ = false;
  // Set by a test's fixed scene: draw this many frames, then hold the last.
  uint32_t frameLimit_ = 0;
  uint32_t framesPresented_ = 0;
};

// Process-wide: the one application object, for the static window procedure.
extern QSaver* theSaver;
// While false, the static window procedure answers 0 to every message.
extern bool windowProcEnabled;
extern bool exitOnMouse;

// d3d8.dll and its Direct3DCreate8 entry, loaded at run time.
bool LoadDirect3D();
void* Direct3DCreateEntry();

// Opens a web page, or a mail address, with the shell's "open" verb.
void OpenLink(const char* text);

// Brings a window to the front, as the single-instance checks do.
void ActivateWindow(HWND window);

}  // namespace sorvane
