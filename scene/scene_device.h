// The Direct3D device the scene is drawn with: its presentation parameters,
// its creation (hardware vertex processing first, software as the fallback)
// and the fixed-pipeline states every scene frame starts from.
#pragma once
#include <cstdint>

#include "device/device.h"
#include "scene/device_resources.h"

namespace sorvane {

// Scene-initialisation error codes; each has its message for the user.
enum SceneError : int {
  kSceneErrorUnknown = 0,
  kSceneErrorDevice = 1,
  kSceneErrorTextures = 2,
  kSceneErrorGeometry = 3,
  kSceneErrorDirect3D = 4,
  // The world's memory (tiles, grids, objects, fish, the path search's layers).
  kSceneErrorWorld = 5,
};

// The back buffer as the caller chose it from the settings and the screen.
struct SceneDeviceSettings {
  int32_t width = 0;
  int32_t height = 0;
  uint32_t multiSampleType = 0;
  void* window = nullptr;
};

PresentParameters ScenePresentParameters(const SceneDeviceSettings& settings);

// Creates the full-screen device; false when neither vertex-processing mode is
// accepted.
bool CreateSceneDevice(Direct3D& d3d, const SceneDeviceSettings& settings, Device** device);

// The fixed-pipeline states every scene frame starts from, with the fog
// starting at fogStart: closer at set-up than after a reset.
void SetSceneRenderStates(DeviceResources& resources, float fogStart);

}  // namespace sorvane
