// The device with its state caches, as every pass draws through it: a render
// or stage state reaches the device only when its value changes, and is
// remembered only when the device took it. A pass begins by setting every
// state it draws with, so that it does not depend on what the pass before it
// left; through the caches that costs nothing when the states already hold.
#pragma once
#include <cstdint>
#include <initializer_list>

#include "device/d3d8_constants.h"
#include "device/device.h"
#include "device/state_cache.h"

namespace sorvane {

struct RenderStateValue {
  uint32_t state;
  uint32_t value;
};

struct StageStateValue {
  uint32_t stage;
  uint32_t type;
  uint32_t value;
};

struct CachedDevice {
  Device& device;
  StateCache& cache;

  HResult SetRenderState(uint32_t state, uint32_t value) { return cache.SetRenderStateCached(device, state, value); }
  HResult SetStageState(uint32_t stage, uint32_t type, uint32_t value) {
    return cache.SetTextureStageStateCached(device, stage, type, value);
  }
  void SetRenderStates(std::initializer_list<RenderStateValue> states) {
    for (const RenderStateValue& s : states) SetRenderState(s.state, s.value);
  }
  void SetStageStates(std::initializer_list<StageStateValue> states) {
    for (const StageStateValue& s : states) SetStageState(s.stage, s.type, s.value);
  }
  // A stage that modulates colour and alpha: its texture with what came before.
  void SetModulatingStage(uint32_t stage) {
    SetStageStates({{stage, D3DTSS_COLOROP, D3DTOP_MODULATE},
                    {stage, D3DTSS_COLORARG1, D3DTA_TEXTURE},
                    {stage, D3DTSS_COLORARG2, D3DTA_CURRENT},
                    {stage, D3DTSS_ALPHAOP, D3DTOP_MODULATE},
                    {stage, D3DTSS_ALPHAARG1, D3DTA_TEXTURE},
                    {stage, D3DTSS_ALPHAARG2, D3DTA_CURRENT}});
  }
  // A stage that samples its texture with linear filters, between mip levels
  // too, without a level bias.
  void SetLinearSampling(uint32_t stage) {
    SetStageStates({{stage, D3DTSS_MAGFILTER, D3DTEXF_LINEAR},
                    {stage, D3DTSS_MINFILTER, D3DTEXF_LINEAR},
                    {stage, D3DTSS_MIPFILTER, D3DTEXF_LINEAR},
                    {stage, D3DTSS_MIPMAPLODBIAS, 0}});
  }
};

}  // namespace sorvane
