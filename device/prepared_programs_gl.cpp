#include "device/prepared_programs_gl.h"

#include "device/d3d8_constants.h"

namespace sorvane {
namespace {

constexpr uint8_t kDiffuse = D3DTA_DIFFUSE, kCurrent = D3DTA_CURRENT, kTexture = D3DTA_TEXTURE,
                  kFactor = D3DTA_TFACTOR;
constexpr StageOperation kPass{};
constexpr bool kFog = true, kNoFog = false;
constexpr uint8_t kNoAlphaTest = 0;

constexpr StageOperation Select(uint8_t a) { return {StageOperation::kSelect, a, 0}; }
constexpr StageOperation Modulate(uint8_t a, uint8_t b) { return {StageOperation::kModulate, a, b}; }

// A stage as {colour, alpha}, with kBiased when it samples with a mip level bias.
struct Stage {
  StageOperation colour, alpha;
  bool biased = false;
};
constexpr bool kBiased = true;

constexpr ProgramKey Key(uint32_t format, uint16_t shader, Stage s0, Stage s1, uint32_t alphaFunc, bool fog) {
  ProgramKey k;
  k.format = static_cast<uint16_t>(format);
  k.shader = shader;
  k.stages[0] = {s0.colour, s0.alpha, s0.biased};
  k.stages[1] = {s1.colour, s1.alpha, s1.biased};
  k.alphaFunc = static_cast<uint8_t>(alphaFunc);
  k.fog = fog;
  return k;
}
constexpr ProgramKey Format(uint32_t format, Stage s0, Stage s1, uint32_t alphaFunc, bool fog) {
  return Key(format, 0, s0, s1, alphaFunc, fog);
}
constexpr ProgramKey Shader(Stage s0, Stage s1, uint32_t alphaFunc, bool fog) {
  return Key(0, 1, s0, s1, alphaFunc, fog);
}

constexpr uint32_t kColour = D3DFVF_DIFFUSE, kColourTexture = D3DFVF_DIFFUSE | D3DFVF_TEX1,
                   kTextures = D3DFVF_TEX2, kColourTextures = D3DFVF_DIFFUSE | D3DFVF_TEX2;

// Gathered from the scene's draws, which the GL tests hold them to.
constexpr ProgramKey kPrepared[] = {
    // The backdrop and the fade: the vertices' colour.
    Format(kColour, {kPass, kPass}, {kPass, kPass}, kNoAlphaTest, kNoFog),
    // The shimmer and the light rays; the bubbles, fogged, their texture sharpened.
    Format(kColourTexture, {Modulate(kDiffuse, kTexture), Modulate(kDiffuse, kTexture)}, {kPass, kPass},
           kNoAlphaTest, kNoFog),
    Format(kColourTexture, {Modulate(kDiffuse, kTexture), Modulate(kDiffuse, kTexture), kBiased}, {kPass, kPass},
           kNoAlphaTest, kFog),
    // The water surface.
    Format(kColourTexture, {Select(kTexture), kPass}, {kPass, kPass}, kNoAlphaTest, kFog),
    // The seabed and the scenery, the caustics on stage 1; alpha-tested, faded toward the edge of the view.
    Format(kTextures, {Select(kTexture), kPass}, {Modulate(kCurrent, kTexture), kPass}, kNoAlphaTest, kFog),
    Format(kTextures, {Select(kTexture), Modulate(kDiffuse, kTexture)}, {Modulate(kCurrent, kTexture), kPass},
           kNoAlphaTest, kFog),
    Format(kTextures, {Select(kTexture), Modulate(kDiffuse, kTexture)}, {Modulate(kCurrent, kTexture), kPass},
           D3DCMP_GREATER, kFog),
    Format(kTextures, {Select(kTexture), Modulate(kTexture, kFactor)},
           {Modulate(kCurrent, kTexture), Modulate(kCurrent, kTexture)}, kNoAlphaTest, kFog),
    Format(kTextures, {Select(kTexture), Modulate(kTexture, kFactor)},
           {Modulate(kCurrent, kTexture), Modulate(kCurrent, kTexture)}, D3DCMP_GREATER, kFog),
    // The fish, blended or, close by, alpha-tested.
    Format(kColourTextures, {Modulate(kDiffuse, kTexture), Modulate(kDiffuse, kTexture)},
           {Modulate(kCurrent, kTexture), Modulate(kCurrent, kTexture)}, kNoAlphaTest, kFog),
    Format(kColourTextures, {Modulate(kDiffuse, kTexture), Modulate(kDiffuse, kTexture)},
           {Modulate(kCurrent, kTexture), Modulate(kCurrent, kTexture)}, D3DCMP_GREATEREQUAL, kFog),
    // The swaying plants, faded or not.
    Shader({Modulate(kDiffuse, kTexture), Modulate(kDiffuse, kTexture)}, {kPass, kPass}, D3DCMP_GREATER, kFog),
    Shader({Modulate(kDiffuse, kTexture), Modulate(kTexture, kFactor)}, {kPass, kPass}, D3DCMP_GREATER, kFog),
};

}  // namespace

std::span<const ProgramKey> PreparedProgramKeys() { return kPrepared; }

}  // namespace sorvane
