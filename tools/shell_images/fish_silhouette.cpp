// Shape tests of the side-on fish outline.
#include "tools/shell_images/fish_silhouette.h"

#include <cmath>

#include "tools/imagegen/paint.h"

namespace sorvane::imagegen {

float FishSilhouette::Along(float x) const {
  float a = (x - centreX) / halfLength;
  return facingLeft ? -a : a;
}

float FishSilhouette::Across(float y) const { return (y - centreY) / halfHeight; }

bool FishSilhouette::InBody(float x, float y) const {
  // Blunter at the head than at the tail: the height shrinks toward the tail.
  float a = Along(x);
  if (a < -1.0f || a > 1.0f) return false;
  float taper = a < 0 ? 1.0f - 0.35f * a * a : 1.0f;
  return EllipseDistance(x, y, centreX, centreY, halfLength, halfHeight * taper) < 0;
}

bool FishSilhouette::InTail(float x, float y) const {
  float s = facingLeft ? 1.0f : -1.0f;
  float rootX = centreX + s * halfLength * 0.82f;
  float tipX = centreX + s * halfLength * 1.45f;
  float spread = halfHeight * 0.95f;
  bool inFan = InsideTriangle(x, y, rootX, centreY, tipX, centreY - spread, tipX, centreY + spread);
  // A notch makes the tail forked.
  bool inNotch = InsideTriangle(x, y, centreX + s * halfLength * 1.2f, centreY, tipX + s * 0.001f,
                                centreY - spread * 0.45f, tipX + s * 0.001f, centreY + spread * 0.45f);
  return inFan && !inNotch;
}

bool FishSilhouette::InEye(float x, float y) const {
  float s = facingLeft ? -1.0f : 1.0f;
  float ex = centreX + s * halfLength * 0.62f, ey = centreY - halfHeight * 0.2f;
  float r = halfHeight * 0.2f;
  return (x - ex) * (x - ex) + (y - ey) * (y - ey) < r * r;
}

bool FishSilhouette::InPupilHighlight(float x, float y) const {
  float s = facingLeft ? -1.0f : 1.0f;
  float ex = centreX + s * halfLength * 0.62f - halfHeight * 0.06f, ey = centreY - halfHeight * 0.26f;
  float r = halfHeight * 0.07f;
  return (x - ex) * (x - ex) + (y - ey) * (y - ey) < r * r;
}

}  // namespace sorvane::imagegen
