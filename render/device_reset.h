// Bringing a device back after it was lost: the reset with the display's
// format, and the states and projection it forgot.
#pragma once
#include <cstdint>

namespace sorvane {

struct Scene;

// Resets the device to a full-screen back buffer of the given size in the
// display's current format. False when the mode can't be read or Reset fails.
bool ResetDevice(Scene& scene, uint32_t width, uint32_t height, void* window);

// Back to windowed presentation in the desktop's format, so that the device
// can be released without leaving the display in its full-screen mode.
bool ResetDeviceWindowed(Scene& scene);

// The fixed-pipeline states every scene frame starts from, with the fog
// starting at fogStart: closer at set-up than after a reset.
void SetSceneRenderStates(Scene& scene, float fogStart);

// The projection for a screen of this size, then the render states a reset
// dropped (fog now starts at 0.025). Both state caches are forgotten first:
// a reset device holds none of the values they remember.
void RestoreRenderStates(Scene& scene, uint32_t screenWidth, uint32_t screenHeight);

}  // namespace sorvane
