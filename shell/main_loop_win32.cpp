// The main loop with its frame pacing, scene initialisation and release, and
// the orderly shutdown of the saver.
#include "device/device_d3d8_win32.h"
#include "render/device_reset.h"
#include "render/projection.h"
#include "render/render_frame.h"
#include "scene/resource_source_win32.h"
#include "scene/scene_device.h"
#include "shell/messages.h"
#include "shell/saver_win32.h"
#include "sound/sound_win32.h"

namespace sorvane {

bool QSaver::InitScene() {
  d3d_ = CreateRuntimeDirect3D(Direct3DCreateEntry());
  if (!d3d_) {
    sceneError_ = kSceneErrorDirect3D;
    return false;
  }
  SceneSettings sceneSettings;
  const Size backBuffer =
      BackBufferSize(settings, Size{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
  sceneSettings.device.width = backBuffer.width;
  sceneSettings.device.height = backBuffer.height;
  sceneSettings.device.multiSampleType = MultiSampleTypeFromSetting(settings.antialiasing);
  sceneSettings.device.window = mainWindow;
  sceneSettings.colorScheme = settings.colorScheme;
  sceneSettings.counts = sceneCounts;
  sceneSettings.cameraSpeedFactor = cameraSpeedFactor;
  sceneSettings.cyrillicLocale = cyrillicLocale;
  frame_.wideScreen = settings.wideScreen;
  if (!swayStill_) frame_.tickCount = [] { return static_cast<uint32_t>(GetTickCount()); };
  ModuleResourceSource resources(instance);
  if (!sorvane::InitScene(scene_, *d3d_, sceneSettings, resources, sceneError_)) return false;
  pacer_.Start(GetTickCount());
  return true;
}

void QSaver::ReleaseScene() {
  renderingActive = false;
  sorvane::ReleaseScene(scene_);
}

void QSaver::ReleaseDevice() {
  if (Device* device = scene_.resources.device) {
    device->ResourceManagerDiscardBytes(0);
    ResetDeviceWindowed(scene_.resources);
    device->Release();
    scene_.resources.device = nullptr;
  }
  if (d3d_) {
    d3d_->Release();
    d3d_ = nullptr;
  }
}

void QSaver::MainLoop() {
  if (renderingActive) {
    if (!InitScene()) {
      // A full-screen device would hide the message.
      ReleaseScene();
      ReleaseDevice();
      ShowWindow(mainWindow, SW_HIDE);
      ShowCursor(TRUE);
      MessageBoxA(mainWindow, SceneErrorMessage(sceneError_), kErrorTitle, MB_OK);
      renderingActive = false;
      return;
    }
    UpdateProjection(scene_.resources.device, frame_, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
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
        FrameResult frame = RenderFrame(scene_, frame_, startEvent_, stopEvent_);
        if (frame == FrameResult::Presented) ++framesPresented_;
        // The saver ends when its device is lost or must be reset (a locked
        // workstation, a mode change): the exit shuts the device down.
        if (frame == FrameResult::DeviceLost || frame == FrameResult::DeviceNotReset) RequestExit();
      }
    }
  }
  StopSound();
}

bool QSaver::StopCalculationThread() {
  if (!calcThread_) return true;
  // Ask the thread to stop at the top of its next cycle and wake it; a cycle
  // under way runs to its end first. Killing it instead could leave the
  // process heap locked.
  calc_.stopRequested = true;
  startEvent_.Set();
  return WaitForSingleObject(calcThread_, kCalculationStopTimeoutMs) == WAIT_OBJECT_0;
}

void QSaver::Shutdown() {
  shutDown_ = true;
  ShowCursor(TRUE);
  renderingActive = false;

  bool threadStopped = StopCalculationThread();
  startEvent_.Close();
  stopEvent_.Close();
  // A thread that did not stop may still be using the scene: leave it to the
  // end of the process rather than free it under the thread.
  if (threadStopped) ReleaseScene();

  if (mode == RunMode::Saver) SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, FALSE, nullptr, 0);

  ReleaseDevice();

  ShowWindow(mainWindow, SW_HIDE);
  DestroyWindow(mainWindow);
  // d3d8.dll stays loaded until the process ends, moments from now: the
  // runtime may leave windows of its own behind whose procedures would
  // otherwise point into unloaded code when the loop dispatches to them.
  windowProcEnabled = false;
  PostQuitMessage(0);
}

}  // namespace sorvane
