#include "device/program_key_gl.h"

#include <algorithm>
#include <bit>

#include "device/d3d8_constants.h"

namespace sorvane {
namespace {

constexpr uint32_t kTexCountMask = 0xF00;

// The arguments this device reads; any other (a modifier among them) takes
// the current value, as every operation the device lacks does.
uint8_t Argument(uint32_t d3d) {
  switch (d3d) {
    case D3DTA_DIFFUSE:
    case D3DTA_TEXTURE:
    case D3DTA_TFACTOR: return static_cast<uint8_t>(d3d);
    default: return D3DTA_CURRENT;
  }
}

// As Direct3D does: an operation that reads the texture of a stage that has
// none passes the current value on; so do the operations this device lacks,
// and a disabled alpha operation.
StageOperation Reduce(uint32_t op, uint32_t arg1, uint32_t arg2, bool textured, bool first) {
  StageOperation o;
  const uint8_t a1 = Argument(arg1), a2 = Argument(arg2);
  switch (op) {
    case D3DTOP_SELECTARG1: o = {StageOperation::kSelect, a1, 0}; break;
    case D3DTOP_SELECTARG2: o = {StageOperation::kSelect, a2, 0}; break;
    case D3DTOP_MODULATE: o = {StageOperation::kModulate, a1, a2}; break;
    case D3DTOP_MODULATE2X: o = {StageOperation::kModulate2x, a1, a2}; break;
    case D3DTOP_ADD: o = {StageOperation::kAdd, a1, a2}; break;
    default: return {};
  }
  const bool readsTexture = o.arg1 == D3DTA_TEXTURE || (o.op != StageOperation::kSelect && o.arg2 == D3DTA_TEXTURE);
  if (readsTexture && !textured) return {};
  // The first stage's current value is the diffuse colour.
  if (first) {
    if (o.arg1 == D3DTA_CURRENT) o.arg1 = D3DTA_DIFFUSE;
    if (o.arg2 == D3DTA_CURRENT && o.op != StageOperation::kSelect) o.arg2 = D3DTA_DIFFUSE;
  }
  // Selecting the current value passes it on.
  if (o.op == StageOperation::kSelect && o.arg1 == (first ? D3DTA_DIFFUSE : D3DTA_CURRENT)) return {};
  // The three that combine two arguments do not care for their order.
  if (o.op != StageOperation::kSelect && o.arg2 < o.arg1) std::swap(o.arg1, o.arg2);
  return o;
}

bool ReadsTexture(const StageOperation& o) {
  return o.op != StageOperation::kPass &&
         (o.arg1 == D3DTA_TEXTURE || (o.op != StageOperation::kSelect && o.arg2 == D3DTA_TEXTURE));
}

}  // namespace

bool ProgramKey::Samples(uint32_t s) const {
  return ReadsTexture(stages[s].colour) || ReadsTexture(stages[s].alpha);
}

size_t ProgramKeyHash::operator()(const ProgramKey& key) const {
  uint64_t h = key.format | uint64_t{key.shader} << 16 | uint64_t{key.alphaFunc} << 32 | uint64_t{key.fog} << 40;
  for (const StageKey& s : key.stages) {
    for (const StageOperation& o : {s.colour, s.alpha}) h = h * 0x100000001B3ull ^ (o.op | o.arg1 << 4 | o.arg2 << 8);
    h = h * 0x100000001B3ull ^ s.biased;
  }
  return static_cast<size_t>(h ^ h >> 29);
}

ProgramKey ProgramKeyOf(const DeviceStates& states, const DrawInputs& inputs) {
  const auto& r = states.render;
  ProgramKey key;
  bool chainOn = true;
  int lastSampled = -1;
  for (uint32_t s = 0; s < ProgramKey::kStages; ++s) {
    const auto& t = states.stages[s];
    // A disabled colour operation ends the chain: no later stage works.
    chainOn = chainOn && t[D3DTSS_COLOROP] != D3DTOP_DISABLE;
    if (!chainOn) break;
    StageKey& stage = key.stages[s];
    stage.colour = Reduce(t[D3DTSS_COLOROP], t[D3DTSS_COLORARG1], t[D3DTSS_COLORARG2], inputs.textured[s], s == 0);
    stage.alpha = Reduce(t[D3DTSS_ALPHAOP], t[D3DTSS_ALPHAARG1], t[D3DTSS_ALPHAARG2], inputs.textured[s], s == 0);
    if (key.Samples(s)) {
      stage.biased = std::bit_cast<float>(t[D3DTSS_MIPMAPLODBIAS]) != 0.0f;
      lastSampled = static_cast<int>(s);
    }
  }
  if (inputs.shaderSlot != 0) {
    key.shader = static_cast<uint16_t>(inputs.shaderSlot);
  } else {
    // Texture pairs that no stage samples change nothing the program does.
    const uint32_t sets = std::min((inputs.vertexShader & kTexCountMask) >> 8, static_cast<uint32_t>(lastSampled + 1));
    key.format = static_cast<uint16_t>((inputs.vertexShader & D3DFVF_DIFFUSE) | sets << 8);
  }
  const uint32_t func = r[D3DRS_ALPHAFUNC];
  if (r[D3DRS_ALPHATESTENABLE] != 0 && func >= 1 && func < D3DCMP_ALWAYS) key.alphaFunc = static_cast<uint8_t>(func);
  key.fog = r[D3DRS_FOGENABLE] != 0 && r[D3DRS_FOGTABLEMODE] == D3DFOG_LINEAR;
  return key;
}

}  // namespace sorvane
