#include "device/raster_states_gl.h"

#include <GLES3/gl3.h>

#include "device/d3d8_constants.h"

namespace sorvane {
namespace {

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

void Enable(GLenum capability, bool on) {
  if (on) {
    glEnable(capability);
  } else {
    glDisable(capability);
  }
}

}  // namespace

void GlRasterStates::Apply(const std::array<uint32_t, 256>& r) {
  const Depth depth{true, r[D3DRS_ZENABLE] != 0, r[D3DRS_ZWRITEENABLE] != 0, r[D3DRS_ZFUNC]};
  if (!(depth == depth_)) {
    Enable(GL_DEPTH_TEST, depth.test);
    glDepthMask(depth.write ? GL_TRUE : GL_FALSE);
    glDepthFunc(CompareFunction(depth.func));
    depth_ = depth;
  }
  const Blend blend{true, r[D3DRS_ALPHABLENDENABLE] != 0, r[D3DRS_SRCBLEND], r[D3DRS_DESTBLEND]};
  if (!(blend == blend_)) {
    Enable(GL_BLEND, blend.on);
    glBlendFunc(BlendFactor(blend.src), BlendFactor(blend.dst));
    blend_ = blend;
  }
  // Direct3D names the winding culled, GL the one kept.
  const Cull cull{true, r[D3DRS_CULLMODE] == D3DCULL_CW || r[D3DRS_CULLMODE] == D3DCULL_CCW,
                  r[D3DRS_CULLMODE] == D3DCULL_CW ? static_cast<uint32_t>(GL_CCW) : GL_CW};
  if (!(cull == cull_)) {
    Enable(GL_CULL_FACE, cull.on);
    glCullFace(GL_BACK);
    glFrontFace(cull.front);
    cull_ = cull;
  }
}

}  // namespace sorvane
