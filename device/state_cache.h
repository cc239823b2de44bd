// Render-state and texture-stage caches: a state is sent to the device only
// when its value changes, and remembered only when the device took it.
#pragma once
#include <array>
#include <cstdint>

#include "device/device.h"
#include "device/device_states.h"

namespace sorvane {

class StateCache {
 public:
  StateCache() { Reset(); }

  // Forget everything: the next setting of each state reaches the device.
  void Reset() {
    renderStates_.fill(kUnset);
    for (auto& stage : stageStates_) stage.fill(kUnset);
  }

  HResult SetRenderStateCached(Device& device, uint32_t state, uint32_t value) {
    if (state >= kRenderStateCount || renderStates_[state] == value) return 0;
    HResult r = device.SetRenderState(state, value);
    if (!Failed(r)) renderStates_[state] = value;
    return r;
  }

  // The value last taken by the device, or 0xFFFFFFFF when none yet.
  uint32_t RenderStateValue(uint32_t state) const { return state < kRenderStateCount ? renderStates_[state] : kUnset; }

  HResult SetTextureStageStateCached(Device& device, uint32_t stage, uint32_t type, uint32_t value) {
    if (stage >= kTextureStages || type >= kTextureStageStateCount || stageStates_[stage][type] == value) return 0;
    HResult r = device.SetTextureStageState(stage, type, value);
    if (!Failed(r)) stageStates_[stage][type] = value;
    return r;
  }

 private:
  static constexpr uint32_t kUnset = 0xFFFFFFFFu;
  std::array<uint32_t, kRenderStateCount> renderStates_;
  std::array<std::array<uint32_t, kTextureStageStateCount>, kTextureStages> stageStates_;
};

}  // namespace sorvane
