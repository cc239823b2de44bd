#include "device/clip_transform_gl.h"

#include "device/d3d8_constants.h"

namespace sorvane {
namespace {

constexpr Matrix kIdentity = {{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}};

Matrix Multiply(const Matrix& a, const Matrix& b) {
  Matrix r;
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) {
      r.m[i][j] = a.m[i][0] * b.m[0][j] + a.m[i][1] * b.m[1][j] + a.m[i][2] * b.m[2][j] + a.m[i][3] * b.m[3][j];
    }
  }
  return r;
}

}  // namespace

GlClipTransform::GlClipTransform()
    : world_(kIdentity), view_(kIdentity), projection_(kIdentity), corrected_(kIdentity), clip_(kIdentity) {}

bool GlClipTransform::Set(uint32_t state, const Matrix& matrix) {
  switch (state) {
    case D3DTS_WORLD: world_ = matrix; break;
    case D3DTS_VIEW: view_ = matrix, correctedStale_ = true; break;
    case D3DTS_PROJECTION: projection_ = matrix, correctedStale_ = true; break;
    default: return false;
  }
  clipStale_ = true;
  return true;
}

void GlClipTransform::SetFrameSize(uint32_t width, uint32_t height) {
  // Slightly less than half a pixel (63/128), as Wine's wined3d does, so that
  // an edge on a pixel centre falls on the side Direct3D's top-left rule gives it.
  const float x = 63.0f / 64.0f / static_cast<float>(width), y = -63.0f / 64.0f / static_cast<float>(height);
  if (x == offset_[0] && y == offset_[1]) return;
  offset_[0] = x;
  offset_[1] = y;
  correctedStale_ = clipStale_ = true;
}

const Matrix& GlClipTransform::Clip() {
  if (!clipStale_) return clip_;
  if (correctedStale_) {
    // Row vectors: the correction comes last, x' = x + offset × w, z' = 2z − w.
    Matrix correction = kIdentity;
    correction.m[3][0] = offset_[0];
    correction.m[3][1] = offset_[1];
    correction.m[2][2] = 2.0f;
    correction.m[3][2] = -1.0f;
    corrected_ = Multiply(Multiply(view_, projection_), correction);
    correctedStale_ = false;
  }
  clip_ = Multiply(world_, corrected_);
  clipStale_ = false;
  return clip_;
}

}  // namespace sorvane
