// The device with its state caches, as every pass draws through it: a render
// or stage state reaches the device only when its value changes, and is
// remembered only when the device took it.
#pragma once
#include <cstdint>

#include "device/device.h"
#include "device/state_cache.h"

namespace sorvane {

struct CachedDevice {
  Device& device;
  StateCache& cache;

  HResult SetRenderState(uint32_t state, uint32_t value) { return cache.SetRenderStateCached(device, state, value); }
  HResult SetStageState(uint32_t stage, uint32_t type, uint32_t value) {
    return cache.SetTextureStageStateCached(device, stage, type, value);
  }
};

}  // namespace sorvane
