// The Direct3D 8 render states that GL keeps outside the programs: the depth
// test and writes, blending and culling. Each reaches GL only when what it
// makes of GL differs from what GL has.
#pragma once
#include <array>
#include <cstdint>

namespace sorvane {

class GlRasterStates {
 public:
  // Sends what differs; `render` holds the render states by number.
  void Apply(const std::array<uint32_t, 256>& render);
  // Something else changed GL's depth mask (a clear).
  void DepthMaskChanged() { depth_.valid = false; }

 private:
  struct Depth {
    bool valid, test, write;
    uint32_t func;
    bool operator==(const Depth&) const = default;
  };
  struct Blend {
    bool valid, on;
    uint32_t src, dst;
    bool operator==(const Blend&) const = default;
  };
  struct Cull {
    bool valid, on;
    uint32_t front;
    bool operator==(const Cull&) const = default;
  };
  Depth depth_{};
  Blend blend_{};
  Cull cull_{};
};

}  // namespace sorvane
