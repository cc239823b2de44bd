// One frame of the underwater scene, from the device check to the present.
#pragma once

#include <cstdint>

#include "render/fish_hand_over.h"
#include "render/frame_state.h"
#include "scene/scene.h"

namespace sorvane {

enum class FrameResult {
  Presented,
  // A buffer could not be locked: the rest of the frame was left out.
  Ended,
  // The device is lost (or failed otherwise): nothing was drawn, and the
  // device must not be touched again this frame. The saver ends.
  DeviceLost,
  // The device could be reset now (after a mode change, say); nothing was
  // drawn. The saver ends all the same.
  DeviceNotReset,
};

// How long a frame waits for the calculation cycle it started before it goes
// on without the fish; a cycle normally takes a few milliseconds.
constexpr uint32_t kCalculationWaitMs = 500;

// Draws one frame. The first frame does not wait for the calculation cycle;
// every later one takes the fish back, waiting at most kCalculationWaitMs;
// every frame that has the fish hands them on.
FrameResult RenderFrame(Scene& scene, FrameState& frame, FishHandOver& fish);

}  // namespace sorvane
