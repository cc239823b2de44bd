#include "tests/support/pass_states.h"

#include <bit>
#include <random>

#include "device/d3d8_constants.h"

namespace sorvane {

namespace {

constexpr uint32_t kStageKey = 0x1000;

uint32_t StageKey(uint32_t stage, uint32_t type) { return kStageKey * (stage + 1) + type; }

// On stage 0 the current colour is the diffuse colour.
uint32_t Argument(uint32_t stage, uint32_t arg) { return stage == 0 && arg == D3DTA_CURRENT ? D3DTA_DIFFUSE : arg; }

// The operation and the arguments it reads, with what those read in turn.
void AddOperation(const DrawStates& d, uint32_t stage, uint32_t op, uint32_t arg1, uint32_t arg2, StateValues& out,
                  bool& readsTexture) {
  const auto& s = d.states.stages[stage];
  out.emplace_back(StageKey(stage, op), s[op]);
  const bool first = s[op] != D3DTOP_DISABLE && s[op] != D3DTOP_SELECTARG2;
  const bool second = s[op] != D3DTOP_DISABLE && s[op] != D3DTOP_SELECTARG1;
  for (auto [used, arg] : {std::pair{first, arg1}, {second, arg2}}) {
    if (!used) continue;
    const uint32_t value = Argument(stage, s[arg]);
    out.emplace_back(StageKey(stage, arg), value);
    if (value == D3DTA_TFACTOR) out.emplace_back(D3DRS_TEXTUREFACTOR, d.states.render[D3DRS_TEXTUREFACTOR]);
    if (value == D3DTA_TEXTURE) readsTexture = true;
  }
}

}  // namespace

StateValues StatesThatShape(const DrawStates& d) {
  const auto& r = d.states.render;
  StateValues out;
  auto add = [&](uint32_t state) { out.emplace_back(state, r[state]); };
  for (uint32_t state : {D3DRS_ZENABLE, D3DRS_ALPHABLENDENABLE, D3DRS_ALPHATESTENABLE, D3DRS_CULLMODE, D3DRS_FOGENABLE})
    add(state);
  if (r[D3DRS_ZENABLE]) add(D3DRS_ZWRITEENABLE);
  if (r[D3DRS_ALPHABLENDENABLE]) add(D3DRS_SRCBLEND), add(D3DRS_DESTBLEND);
  if (r[D3DRS_ALPHATESTENABLE]) add(D3DRS_ALPHAREF), add(D3DRS_ALPHAFUNC);
  if (r[D3DRS_FOGENABLE]) add(D3DRS_FOGCOLOR), add(D3DRS_FOGEND);
  const bool alphaShows = r[D3DRS_ALPHABLENDENABLE] || r[D3DRS_ALPHATESTENABLE];
  for (uint32_t stage = 0; stage < 2; ++stage) {
    const auto& s = d.states.stages[stage];
    if (s[D3DTSS_COLOROP] == D3DTOP_DISABLE) {
      out.emplace_back(StageKey(stage, D3DTSS_COLOROP), D3DTOP_DISABLE);
      break;
    }
    bool readsTexture = false;
    AddOperation(d, stage, D3DTSS_COLOROP, D3DTSS_COLORARG1, D3DTSS_COLORARG2, out, readsTexture);
    if (alphaShows) AddOperation(d, stage, D3DTSS_ALPHAOP, D3DTSS_ALPHAARG1, D3DTSS_ALPHAARG2, out, readsTexture);
    if (readsTexture && d.textures[stage] != nullptr) {
      for (uint32_t type : {D3DTSS_MAGFILTER, D3DTSS_MINFILTER, D3DTSS_MIPFILTER, D3DTSS_MIPMAPLODBIAS})
        out.emplace_back(StageKey(stage, type), s[type]);
    }
  }
  return out;
}

void ScrambleStates(CachedDevice& gpu, uint32_t seed) {
  std::mt19937 random(seed);
  auto pick = [&](std::initializer_list<uint32_t> values) { return values.begin()[random() % values.size()]; };
  auto floatBits = [&](float low, float high) {
    return std::bit_cast<uint32_t>(std::uniform_real_distribution<float>(low, high)(random));
  };
  for (uint32_t state : {D3DRS_ZENABLE, D3DRS_ZWRITEENABLE, D3DRS_ALPHATESTENABLE, D3DRS_ALPHABLENDENABLE,
                         D3DRS_FOGENABLE})
    gpu.SetRenderState(state, random() % 2);
  for (uint32_t state : {D3DRS_SRCBLEND, D3DRS_DESTBLEND})
    gpu.SetRenderState(state, pick({D3DBLEND_ZERO, D3DBLEND_ONE, D3DBLEND_SRCALPHA, D3DBLEND_INVSRCALPHA}));
  gpu.SetRenderState(D3DRS_CULLMODE, pick({D3DCULL_NONE, D3DCULL_CW, D3DCULL_CCW}));
  gpu.SetRenderState(D3DRS_ALPHAFUNC, 1 + random() % 8);
  gpu.SetRenderState(D3DRS_ALPHAREF, random() % 256);
  gpu.SetRenderState(D3DRS_FOGCOLOR, random());
  gpu.SetRenderState(D3DRS_FOGEND, floatBits(0.1f, 2.0f));
  gpu.SetRenderState(D3DRS_TEXTUREFACTOR, random());
  for (uint32_t stage = 0; stage < 2; ++stage) {
    for (uint32_t op : {D3DTSS_COLOROP, D3DTSS_ALPHAOP})
      gpu.SetStageState(stage, op, pick({D3DTOP_DISABLE, D3DTOP_SELECTARG1, D3DTOP_SELECTARG2, D3DTOP_MODULATE}));
    for (uint32_t arg : {D3DTSS_COLORARG1, D3DTSS_COLORARG2, D3DTSS_ALPHAARG1, D3DTSS_ALPHAARG2})
      gpu.SetStageState(stage, arg, pick({D3DTA_DIFFUSE, D3DTA_CURRENT, D3DTA_TEXTURE, D3DTA_TFACTOR}));
    for (uint32_t filter : {D3DTSS_MAGFILTER, D3DTSS_MINFILTER, D3DTSS_MIPFILTER})
      gpu.SetStageState(stage, filter, pick({D3DTEXF_NONE, D3DTEXF_POINT, D3DTEXF_LINEAR}));
    gpu.SetStageState(stage, D3DTSS_MIPMAPLODBIAS, floatBits(-2.0f, 2.0f));
  }
}

}  // namespace sorvane
