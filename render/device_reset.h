// Bringing a device back after it was lost: the reset with the display's
// format, and the states and projection it forgot.
#pragma once
#include <cstdint>

#include "render/frame_state.h"
#include "scene/device_resources.h"

namespace sorvane {

// Resets the device to a full-screen back buffer of the given size in the
// display's current format. False when the mode can't be read or Reset fails.
bool ResetDevice(DeviceResources& resources, uint32_t width, uint32_t height, void* window);

// Back to windowed presentation in the desktop's format, so that the device
// can be released without leaving the display in its full-screen mode.
bool ResetDeviceWindowed(DeviceResources& resources);

// The projection for a screen of this size, then the render states a reset
// dropped (fog now starts at 0.025). Both state caches are forgotten first:
// a reset device holds none of the values they remember.
void RestoreRenderStates(DeviceResources& resources, FrameState& frame, uint32_t screenWidth, uint32_t screenHeight);

}  // namespace sorvane
