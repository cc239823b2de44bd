// Direct3D 8's render states, texture-stage states, textures and transforms
// on OpenGL's fixed pipeline (compatibility profile). The values are kept as
// set; at each draw what changed since the last one reaches GL, and only
// where the GL setting it makes differs from the one GL has.
#pragma once
#include <array>
#include <cstdint>

#include "base/vector.h"

namespace sorvane {

// A D3DCOLOR (0xAARRGGBB) as GL's red, green, blue and alpha.
void GlColour(uint32_t d3dColour, float* rgba);

class GlStateTranslation {
 public:
  static constexpr uint32_t kStages = 2;
  static constexpr uint32_t kStageStates = 33;

  // Direct3D 8's defaults, with the depth test on when the device has a
  // depth buffer. Needs the device's context current, as do all calls.
  explicit GlStateTranslation(bool depthBuffer);
  ~GlStateTranslation();
  GlStateTranslation(const GlStateTranslation&) = delete;
  GlStateTranslation& operator=(const GlStateTranslation&) = delete;

  // False for a state this device does not have.
  bool SetRenderState(uint32_t state, uint32_t value);
  bool SetStageState(uint32_t stage, uint32_t type, uint32_t value);
  // A GL texture name; 0 for none.
  void SetTexture(uint32_t stage, uint32_t texture);
  // The texture is gone: GL may give its name to the next one.
  void ForgetTexture(uint32_t texture);
  bool SetTransform(uint32_t state, const Matrix& matrix);
  // The frame's size in pixels: Direct3D's pixel centres lie on whole
  // coordinates, GL's half a pixel further on.
  void SetFrameSize(uint32_t width, uint32_t height);
  // Clip units per unit of w that move a position onto GL's pixel centres.
  float pixelOffsetX() const { return pixelOffset_[0]; }
  float pixelOffsetY() const { return pixelOffset_[1]; }

  // Sends what changed to GL.
  void Apply();
  // Something other than Apply changed GL's depth mask (a clear).
  void DepthMaskChanged() { applied_.depth.valid = false; }

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
  struct AlphaTest {
    bool valid, on;
    uint32_t func, ref;
    bool operator==(const AlphaTest&) const = default;
  };
  struct Cull {
    bool valid, on;
    uint32_t front;
    bool operator==(const Cull&) const = default;
  };
  struct Fog {
    bool valid, on;
    uint32_t start, end, colour;
    bool operator==(const Fog&) const = default;
  };
  // One texture unit's GL_COMBINE set-up.
  struct Unit {
    bool valid, on;
    uint32_t texture, factor;
    uint32_t rgb, rgbScale, rgbSource0, rgbSource1;
    uint32_t alpha, alphaScale, alphaSource0, alphaSource1;
    bool operator==(const Unit&) const = default;
  };
  struct Sampler {
    bool valid;
    uint32_t mag, min, bias;
    bool operator==(const Sampler&) const = default;
  };
  struct Applied {
    Depth depth;
    Blend blend;
    AlphaTest alphaTest;
    Cull cull;
    Fog fog;
    std::array<Unit, kStages> units;
    std::array<Sampler, kStages> samplers;
  };

  void ApplyFixedFunction();
  void ApplyStages();
  void ApplyTransforms();
  Unit UnitOf(uint32_t stage, bool chainOn) const;
  Sampler SamplerOf(uint32_t stage) const;

  std::array<uint32_t, 256> render_{};
  std::array<std::array<uint32_t, kStageStates>, kStages> stage_{};
  std::array<uint32_t, kStages> texture_{};
  Matrix world_, view_, projection_;
  std::array<float, 2> pixelOffset_{};
  uint32_t dirty_ = 0;
  Applied applied_{};
  std::array<uint32_t, kStages> samplerObjects_{};
  uint32_t white_ = 0;  // bound where a stage works without a texture
};

}  // namespace sorvane
