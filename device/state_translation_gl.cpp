#include "device/state_translation_gl.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <bit>

#include "device/d3d8_constants.h"
#include "device/device_states.h"

namespace sorvane {
namespace {

enum Dirty : uint32_t { kRenderDirty = 1, kStagesDirty = 2, kModelViewDirty = 4, kProjectionDirty = 8 };

constexpr Matrix kIdentity = {{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}};

// D3DCMP_NEVER (1) … D3DCMP_ALWAYS (8) and GL_NEVER … GL_ALWAYS run in the same order.
GLenum CompareFunction(uint32_t d3d) { return d3d >= 1 && d3d <= 8 ? GL_NEVER + d3d - 1 : GL_ALWAYS; }

// D3DBLEND_ZERO (1) … D3DBLEND_SRCALPHASAT (11). The back buffer has no
// alpha (X8R8G8B8): its alpha reads 1, as on Direct3D.
GLenum BlendFactor(uint32_t d3d) {
  constexpr GLenum kFactors[] = {GL_ZERO,      GL_ONE,  GL_SRC_COLOR, GL_ONE_MINUS_SRC_COLOR,
                                 GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA,
                                 GL_ONE,       GL_ZERO, GL_DST_COLOR, GL_ONE_MINUS_DST_COLOR,
                                 GL_SRC_ALPHA_SATURATE};
  return d3d >= 1 && d3d <= 11 ? kFactors[d3d - 1] : GL_ONE;
}

GLenum ArgumentSource(uint32_t d3d) {
  switch (d3d) {
    case D3DTA_DIFFUSE: return GL_PRIMARY_COLOR;
    case D3DTA_TEXTURE: return GL_TEXTURE;
    case D3DTA_TFACTOR: return GL_CONSTANT;
    default: return GL_PREVIOUS;
  }
}

struct Operation {
  uint32_t op, arg1, arg2;
};

bool ReadsTexture(const Operation& o) {
  return (o.arg1 == D3DTA_TEXTURE && o.op != D3DTOP_SELECTARG2) ||
         (o.arg2 == D3DTA_TEXTURE && o.op != D3DTOP_SELECTARG1);
}

// As Direct3D does: an operation that reads the texture of a stage that has
// none takes the current value instead; so do the operations this device
// lacks, and a disabled alpha operation.
Operation Effective(Operation o, bool hasTexture) {
  const bool supported = o.op == D3DTOP_SELECTARG1 || o.op == D3DTOP_SELECTARG2 || o.op == D3DTOP_MODULATE ||
                         o.op == D3DTOP_MODULATE2X || o.op == D3DTOP_ADD;
  if (!supported || (!hasTexture && ReadsTexture(o))) return {D3DTOP_SELECTARG1, D3DTA_CURRENT, D3DTA_CURRENT};
  return o;
}

bool PassesThrough(const Operation& o) {
  return (o.op == D3DTOP_SELECTARG1 && o.arg1 == D3DTA_CURRENT) ||
         (o.op == D3DTOP_SELECTARG2 && o.arg2 == D3DTA_CURRENT);
}

GLenum CombineMode(uint32_t op) {
  switch (op) {
    case D3DTOP_MODULATE:
    case D3DTOP_MODULATE2X: return GL_MODULATE;
    case D3DTOP_ADD: return GL_ADD;
    default: return GL_REPLACE;
  }
}

GLenum MinFilter(uint32_t min, uint32_t mip) {
  const bool linear = min >= D3DTEXF_LINEAR;
  switch (mip) {
    case D3DTEXF_NONE: return linear ? GL_LINEAR : GL_NEAREST;
    case D3DTEXF_POINT: return linear ? GL_LINEAR_MIPMAP_NEAREST : GL_NEAREST_MIPMAP_NEAREST;
    default: return linear ? GL_LINEAR_MIPMAP_LINEAR : GL_NEAREST_MIPMAP_LINEAR;
  }
}

void Enable(GLenum capability, bool on) {
  if (on) {
    glEnable(capability);
  } else {
    glDisable(capability);
  }
}

}  // namespace

void GlColour(uint32_t d3dColour, float* rgba) {
  for (int i = 0; i < 4; ++i) rgba[i] = static_cast<float>(d3dColour >> (i == 3 ? 24 : 16 - 8 * i) & 0xFF) / 255.0f;
}

GlStateTranslation::GlStateTranslation(bool depthBuffer)
    : world_(kIdentity), view_(kIdentity), projection_(kIdentity) {
  const DeviceStates defaults = DefaultDeviceStates(depthBuffer);
  render_ = defaults.render;
  for (uint32_t s = 0; s < kStages; ++s) stage_[s] = defaults.stages[s];

  // Depth runs 0…1 in clip space, as in Direct3D.
  glClipControl(GL_LOWER_LEFT, GL_ZERO_TO_ONE);
  glFogi(GL_FOG_MODE, GL_LINEAR);
  glFogi(GL_FOG_COORD_SRC, GL_FRAGMENT_DEPTH);
  glHint(GL_FOG_HINT, GL_NICEST);
  glCreateSamplers(kStages, samplerObjects_.data());
  glCreateTextures(GL_TEXTURE_2D, 1, &white_);
  const uint32_t white = 0xFFFFFFFFu;
  glTextureStorage2D(white_, 1, GL_RGBA8, 1, 1);
  glTextureSubImage2D(white_, 0, 0, 0, 1, 1, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, &white);
  for (uint32_t s = 0; s < kStages; ++s) {
    glActiveTexture(GL_TEXTURE0 + s);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE);
    glBindSampler(s, samplerObjects_[s]);
  }
  dirty_ = kRenderDirty | kStagesDirty | kModelViewDirty | kProjectionDirty;
}

GlStateTranslation::~GlStateTranslation() {
  glDeleteSamplers(kStages, samplerObjects_.data());
  glDeleteTextures(1, &white_);
}

bool GlStateTranslation::SetRenderState(uint32_t state, uint32_t value) {
  if (state >= render_.size()) return false;
  if (render_[state] == value) return true;
  render_[state] = value;
  dirty_ |= state == D3DRS_TEXTUREFACTOR ? kStagesDirty : kRenderDirty;
  return true;
}

bool GlStateTranslation::SetStageState(uint32_t stage, uint32_t type, uint32_t value) {
  if (stage >= kStages || type >= kStageStates) return false;
  if (stage_[stage][type] != value) {
    stage_[stage][type] = value;
    dirty_ |= kStagesDirty;
  }
  return true;
}

void GlStateTranslation::SetTexture(uint32_t stage, uint32_t texture) {
  if (texture_[stage] == texture) return;
  texture_[stage] = texture;
  dirty_ |= kStagesDirty;
}

void GlStateTranslation::ForgetTexture(uint32_t texture) {
  for (uint32_t stage = 0; stage < kStages; ++stage) {
    if (texture_[stage] == texture) SetTexture(stage, 0);
    if (applied_.units[stage].texture == texture) applied_.units[stage].valid = false;
  }
  dirty_ |= kStagesDirty;
}

bool GlStateTranslation::SetTransform(uint32_t state, const Matrix& matrix) {
  switch (state) {
    case D3DTS_WORLD: world_ = matrix, dirty_ |= kModelViewDirty; return true;
    case D3DTS_VIEW: view_ = matrix, dirty_ |= kModelViewDirty; return true;
    case D3DTS_PROJECTION: projection_ = matrix, dirty_ |= kProjectionDirty; return true;
    default: return false;
  }
}

void GlStateTranslation::SetFrameSize(uint32_t width, uint32_t height) {
  // Slightly less than half a pixel (63/128), as Wine's wined3d does, so that
  // an edge on a pixel centre falls on the side Direct3D's top-left rule gives it.
  const std::array<float, 2> offset = {63.0f / 64.0f / static_cast<float>(width),
                                       -63.0f / 64.0f / static_cast<float>(height)};
  if (offset == pixelOffset_) return;
  pixelOffset_ = offset;
  dirty_ |= kProjectionDirty;
}

void GlStateTranslation::Apply() {
  if (dirty_ & kRenderDirty) ApplyFixedFunction();
  if (dirty_ & kStagesDirty) ApplyStages();
  if (dirty_ & (kModelViewDirty | kProjectionDirty)) ApplyTransforms();
  dirty_ = 0;
}

void GlStateTranslation::ApplyFixedFunction() {
  const auto& r = render_;
  const Depth depth{true, r[D3DRS_ZENABLE] != 0, r[D3DRS_ZWRITEENABLE] != 0, r[D3DRS_ZFUNC]};
  if (!(depth == applied_.depth)) {
    Enable(GL_DEPTH_TEST, depth.test);
    glDepthMask(depth.write ? GL_TRUE : GL_FALSE);
    glDepthFunc(CompareFunction(depth.func));
    applied_.depth = depth;
  }
  const Blend blend{true, r[D3DRS_ALPHABLENDENABLE] != 0, r[D3DRS_SRCBLEND], r[D3DRS_DESTBLEND]};
  if (!(blend == applied_.blend)) {
    Enable(GL_BLEND, blend.on);
    glBlendFunc(BlendFactor(blend.src), BlendFactor(blend.dst));
    applied_.blend = blend;
  }
  const AlphaTest alphaTest{true, r[D3DRS_ALPHATESTENABLE] != 0, r[D3DRS_ALPHAFUNC], r[D3DRS_ALPHAREF] & 0xFF};
  if (!(alphaTest == applied_.alphaTest)) {
    Enable(GL_ALPHA_TEST, alphaTest.on);
    glAlphaFunc(CompareFunction(alphaTest.func), static_cast<float>(alphaTest.ref) / 255.0f);
    applied_.alphaTest = alphaTest;
  }
  // Direct3D names the winding culled, GL the one kept.
  const Cull cull{true, r[D3DRS_CULLMODE] == D3DCULL_CW || r[D3DRS_CULLMODE] == D3DCULL_CCW,
                  r[D3DRS_CULLMODE] == D3DCULL_CW ? static_cast<uint32_t>(GL_CCW) : GL_CW};
  if (!(cull == applied_.cull)) {
    Enable(GL_CULL_FACE, cull.on);
    glCullFace(GL_BACK);
    glFrontFace(cull.front);
    applied_.cull = cull;
  }
  // Table fog, linear in the eye's depth; the other fog kinds are not drawn.
  const Fog fog{true, r[D3DRS_FOGENABLE] != 0 && r[D3DRS_FOGTABLEMODE] == D3DFOG_LINEAR, r[D3DRS_FOGSTART],
                r[D3DRS_FOGEND], r[D3DRS_FOGCOLOR]};
  if (!(fog == applied_.fog)) {
    Enable(GL_FOG, fog.on);
    glFogf(GL_FOG_START, std::bit_cast<float>(fog.start));
    glFogf(GL_FOG_END, std::bit_cast<float>(fog.end));
    float colour[4];
    GlColour(fog.colour, colour);
    glFogfv(GL_FOG_COLOR, colour);
    applied_.fog = fog;
  }
}

GlStateTranslation::Unit GlStateTranslation::UnitOf(uint32_t stage, bool chainOn) const {
  const auto& s = stage_[stage];
  Unit u{};
  u.valid = true;
  if (!chainOn) return u;
  const bool hasTexture = texture_[stage] != 0;
  const Operation colour = Effective({s[D3DTSS_COLOROP], s[D3DTSS_COLORARG1], s[D3DTSS_COLORARG2]}, hasTexture);
  const Operation alpha = Effective({s[D3DTSS_ALPHAOP], s[D3DTSS_ALPHAARG1], s[D3DTSS_ALPHAARG2]}, hasTexture);
  // A stage that passes both through is left out; the chain goes on.
  if (PassesThrough(colour) && PassesThrough(alpha)) return u;
  u.on = true;
  u.texture = hasTexture ? texture_[stage] : white_;
  u.factor = render_[D3DRS_TEXTUREFACTOR];
  u.rgb = CombineMode(colour.op);
  u.rgbScale = colour.op == D3DTOP_MODULATE2X ? 2 : 1;
  u.rgbSource0 = ArgumentSource(colour.op == D3DTOP_SELECTARG2 ? colour.arg2 : colour.arg1);
  u.rgbSource1 = ArgumentSource(colour.arg2);
  u.alpha = CombineMode(alpha.op);
  u.alphaScale = alpha.op == D3DTOP_MODULATE2X ? 2 : 1;
  u.alphaSource0 = ArgumentSource(alpha.op == D3DTOP_SELECTARG2 ? alpha.arg2 : alpha.arg1);
  u.alphaSource1 = ArgumentSource(alpha.arg2);
  return u;
}

GlStateTranslation::Sampler GlStateTranslation::SamplerOf(uint32_t stage) const {
  const auto& s = stage_[stage];
  return {true,
          s[D3DTSS_MAGFILTER] >= D3DTEXF_LINEAR ? static_cast<uint32_t>(GL_LINEAR) : GL_NEAREST,
          MinFilter(s[D3DTSS_MINFILTER], s[D3DTSS_MIPFILTER]),
          s[D3DTSS_MIPMAPLODBIAS]};
}

void GlStateTranslation::ApplyStages() {
  bool chainOn = true;
  for (uint32_t stage = 0; stage < kStages; ++stage) {
    // A disabled colour operation ends the chain: no later stage works.
    chainOn = chainOn && stage_[stage][D3DTSS_COLOROP] != D3DTOP_DISABLE;
    const Unit u = UnitOf(stage, chainOn);
    const Sampler sampler = SamplerOf(stage);
    if (!(sampler == applied_.samplers[stage])) {
      const GLuint object = samplerObjects_[stage];
      glSamplerParameteri(object, GL_TEXTURE_MAG_FILTER, static_cast<GLint>(sampler.mag));
      glSamplerParameteri(object, GL_TEXTURE_MIN_FILTER, static_cast<GLint>(sampler.min));
      glSamplerParameterf(object, GL_TEXTURE_LOD_BIAS, std::bit_cast<float>(sampler.bias));
      applied_.samplers[stage] = sampler;
    }
    Unit& was = applied_.units[stage];
    if (u == was) continue;
    glActiveTexture(GL_TEXTURE0 + stage);
    if (!was.valid || u.on != was.on) Enable(GL_TEXTURE_2D, u.on);
    if (u.on) {
      glBindTexture(GL_TEXTURE_2D, u.texture);
      float colour[4];
      GlColour(u.factor, colour);
      glTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_COLOR, colour);
      glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_RGB, static_cast<GLint>(u.rgb));
      glTexEnvf(GL_TEXTURE_ENV, GL_RGB_SCALE, static_cast<float>(u.rgbScale));
      glTexEnvi(GL_TEXTURE_ENV, GL_SRC0_RGB, static_cast<GLint>(u.rgbSource0));
      glTexEnvi(GL_TEXTURE_ENV, GL_SRC1_RGB, static_cast<GLint>(u.rgbSource1));
      glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_ALPHA, static_cast<GLint>(u.alpha));
      glTexEnvf(GL_TEXTURE_ENV, GL_ALPHA_SCALE, static_cast<float>(u.alphaScale));
      glTexEnvi(GL_TEXTURE_ENV, GL_SRC0_ALPHA, static_cast<GLint>(u.alphaSource0));
      glTexEnvi(GL_TEXTURE_ENV, GL_SRC1_ALPHA, static_cast<GLint>(u.alphaSource1));
    }
    was = u;
  }
}

void GlStateTranslation::ApplyTransforms() {
  // GL reads a row-major Direct3D matrix as its transpose, which turns the
  // row-vector product world × view × projection into GL's column order.
  if (dirty_ & kModelViewDirty) {
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(&view_.m[0][0]);
    glMultMatrixf(&world_.m[0][0]);
  }
  if (dirty_ & kProjectionDirty) {
    Matrix offset = kIdentity;
    offset.m[3][0] = pixelOffset_[0];
    offset.m[3][1] = pixelOffset_[1];
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(&offset.m[0][0]);
    glMultMatrixf(&projection_.m[0][0]);
  }
}

}  // namespace sorvane
