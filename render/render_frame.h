// One frame of the underwater scene, from the device check to the present,
// with the hand-over of the fish to and from the calculation thread.
#pragma once

#include <cstdint>

#include "base/auto_reset_event.h"
#include "render/frame_state.h"
#include "scene/scene.h"

namespace sorvane {

enum class FrameResult {
  Presented,
  // A buffer could not be locked: the rest of the frame was left out.
  Ended,
  // The device is lost (or failed otherwise): the caller requests exit.
  // Nothing was drawn, and the device must not be touched again this frame.
  DeviceLost,
  // The device can be reset: the caller requests exit, and where that does not
  // end the program, resets the device and restores its states.
  DeviceNotReset,
};

// How long a frame waits for the calculation cycle it started before it goes
// on without the fish; a cycle normally takes a few milliseconds.
constexpr uint32_t kCalculationWaitMs = 500;

// Draws one frame. The first frame does not wait for the calculation thread;
// every later one takes the fish back on stopEvent; every frame that reaches
// the fish hands them on with startEvent.
FrameResult RenderFrame(Scene& scene, FrameState& frame, AutoResetEvent& startEvent, AutoResetEvent& stopEvent);

}  // namespace sorvane
