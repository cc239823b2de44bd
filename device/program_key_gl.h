// What a GL program of the device is made from: the Direct3D 8 states in
// force at a draw, reduced to what changes the program's text. Two draws
// whose states compute the same pixels the same way share a key, and so a
// program: the values the program reads (the texture factor, the alpha
// reference, the fog range and colour, the transforms) are uniforms, not
// part of the key.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "device/device_states.h"

namespace sorvane {

// A stage's colour or alpha operation as it computes: the current value
// passed on, one argument, or two combined. Arguments are D3DTA_* values;
// at stage 0 the current value is the diffuse colour and is named so.
struct StageOperation {
  enum Op : uint8_t { kPass, kSelect, kModulate, kModulate2x, kAdd };
  uint8_t op = kPass;
  uint8_t arg1 = 0, arg2 = 0;
  bool operator==(const StageOperation&) const = default;
};

struct StageKey {
  StageOperation colour, alpha;
  bool biased = false;  // samples its texture with a mip level bias
  bool operator==(const StageKey&) const = default;
};

struct ProgramKey {
  static constexpr uint32_t kStages = 2;
  // The vertex format's diffuse and texture-count bits (D3DFVF_*), or 0
  // when a vertex shader transforms the vertices.
  uint16_t format = 0;
  // 1 + the slot of that vertex shader; 0 for a vertex format.
  uint16_t shader = 0;
  std::array<StageKey, kStages> stages{};
  uint8_t alphaFunc = 0;  // D3DCMP_*; 0 when every pixel passes
  bool fog = false;       // linear table fog
  bool operator==(const ProgramKey&) const = default;

  // Whether stage s reads its texture, and so its texture coordinates.
  bool Samples(uint32_t s) const;
};

struct ProgramKeyHash {
  size_t operator()(const ProgramKey& key) const;
};

// What a draw is made with, besides the render and stage states.
struct DrawInputs {
  uint32_t vertexShader = 0;  // a vertex format, when shaderSlot is 0
  uint32_t shaderSlot = 0;    // 1 + the slot of the bound vertex shader, or 0
  std::array<bool, ProgramKey::kStages> textured{};  // a texture is set on the stage
};

ProgramKey ProgramKeyOf(const DeviceStates& states, const DrawInputs& inputs);

}  // namespace sorvane
