// One frame of the saver: device check, clear, the hand-over of the fish with
// the calculation thread, present.
#pragma once
#include <cstdint>

#include "render/device.h"
#include "render/state_cache.h"
#include "shell/named_event.h"

namespace sorvane {

class FrameRenderer {
 public:
  FrameRenderer(Device& device, NamedEvent& startEvent, NamedEvent& stopEvent, uint32_t clearColor)
      : device_(device), startEvent_(startEvent), stopEvent_(stopEvent), clearColor_(clearColor) {}

  // Draws one frame. False when the device can no longer be used: the saver
  // then ends, and nothing more is drawn.
  bool RenderFrame();

  StateCache& cache() { return cache_; }

 private:
  Device& device_;
  StateCache cache_;
  NamedEvent& startEvent_;
  NamedEvent& stopEvent_;
  uint32_t clearColor_;
  bool firstFrame_ = true;
};

}  // namespace sorvane
