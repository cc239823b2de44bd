// The main loop with its frame pacing, scene initialisation and release, and
// the orderly shutdown of the saver.
#include "device/device_d3d8_win32.h"
#include "scene/resource_source_win32.h"
#include "shell/messages.h"
#include "shell/saver_win32.h"
#include "sound/sound_win32.h"

namespace sorvane {

bool QSaver::InitScene(SceneError& error) {
  const Size screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  ModuleResourceSource resources(instance);
  if (!core_->InitScene(CreateRuntimeDirect3D(Direct3DCreateEntry()), screen, mainWindow, resources, error))
    return false;
  pacer_.Start(GetTickCount());
  return true;
}

void QSaver::MainLoop() {
  if (renderingActive) {
    SceneError error = kSceneErrorUnknown;
    if (!InitScene(error)) {
      // A full-screen device would hide the message.
      renderingActive = false;
      core_->ReleaseScene();
      core_->ReleaseDevice();
      ShowWindow(mainWindow, SW_HIDE);
      ShowCursor(TRUE);
      MessageBoxA(mainWindow, SceneErrorMessage(error), kErrorTitle, MB_OK);
      return;
    }
  }
  if (mode == RunMode::Saver) SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, TRUE, nullptr, 0);
  StartSound(mode, SoundSettings{settings.playMusic, settings.playSound, settings.volume});

  MSG message = {};
  if (mode == RunMode::Preview) {
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  } else {
    while (message.message != WM_QUIT) {
      if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
        continue;
      }
      PaceDecision pace = pacer_.Next(GetTickCount());
      if (!pace.drawFrame) {
        Sleep(pace.sleepMs);
        continue;
      }
      if (renderingActive && (frameLimit_ == 0 || framesPresented_ < frameLimit_)) {
        const FrameResult frame = core_->DrawFrame();
        if (frame == FrameResult::Presented) ++framesPresented_;
        // The saver ends when its device is lost or must be reset (a locked
        // workstation, a mode change): the exit shuts the device down.
        if (frame == FrameResult::DeviceLost || frame == FrameResult::DeviceNotReset) RequestExit();
      }
    }
  }
  StopSound();
}

void QSaver::Shutdown() {
  shutDown_ = true;
  ShowCursor(TRUE);
  renderingActive = false;

  // The thread stops at the top of its next cycle, one under way ending
  // first: killing it instead could leave the process heap locked. One that
  // did not stop may still be using the scene, which the core then leaves to
  // the end of the process rather than free it under the thread.
  if (core_) {
    core_->StopCycle();
    core_->ReleaseScene();
  }

  if (mode == RunMode::Saver) SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, FALSE, nullptr, 0);

  if (core_) core_->ReleaseDevice();

  ShowWindow(mainWindow, SW_HIDE);
  DestroyWindow(mainWindow);
  // d3d8.dll stays loaded until the process ends, moments from now: the
  // runtime may leave windows of its own behind whose procedures would
  // otherwise point into unloaded code when the loop dispatches to them.
  windowProcEnabled = false;
  PostQuitMessage(0);
}

}  // namespace sorvane
