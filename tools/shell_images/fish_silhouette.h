// A simple side-on fish outline (body, forked tail, eye) shared by the preview
// picture and the icon.
#pragma once

namespace sorvane::imagegen {

struct FishSilhouette {
  float centreX = 0, centreY = 0;  // body centre
  float halfLength = 0.1f;         // body, without the tail
  float halfHeight = 0.05f;
  bool facingLeft = true;

  // Position along the body, −1 at the tail root … +1 at the nose, for patterns.
  float Along(float x) const;
  // Position across the body, −1 at the back … +1 at the belly.
  float Across(float y) const;
  bool InBody(float x, float y) const;
  bool InTail(float x, float y) const;
  bool InEye(float x, float y) const;
  bool InPupilHighlight(float x, float y) const;
};

}  // namespace sorvane::imagegen
