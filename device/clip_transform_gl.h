// The transforms of the vertex formats' programs: world × view × projection,
// with Direct3D's clip space turned into GL's. Direct3D's depth runs 0…1 in
// clip space, GL's −1…1: z becomes 2z − w. Direct3D's pixel centres lie on
// whole coordinates, GL's half a pixel further on: x and y move by that much
// times w.
#pragma once
#include <cstdint>

#include "base/vector.h"

namespace sorvane {

class GlClipTransform {
 public:
  GlClipTransform();

  // False for a transform this device does not have.
  bool Set(uint32_t state, const Matrix& matrix);
  // The frame's size in pixels.
  void SetFrameSize(uint32_t width, uint32_t height);
  // Clip units per unit of w that move a position onto GL's pixel centres.
  float offsetX() const { return offset_[0]; }
  float offsetY() const { return offset_[1]; }
  // The product, computed again only after a change.
  const Matrix& Clip();

 private:
  Matrix world_, view_, projection_;
  Matrix corrected_;  // view × projection × the correction: the same for many worlds
  Matrix clip_;
  float offset_[2] = {0.0f, 0.0f};
  bool correctedStale_ = true, clipStale_ = true;
};

}  // namespace sorvane
