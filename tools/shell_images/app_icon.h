// The module's icon: a stylised fish on a sea-blue rounded square.
#pragma once
#include <vector>

#include "tools/imagegen/canvas.h"

namespace sorvane::imagegen {

struct IconParams {
  int supersample = 8;
  float cornerRadius = 0.22f;  // fraction of the icon size
};

Canvas PaintIcon(int size, const IconParams& params = {});
// The sizes the icon file carries: 16, 32 and 48 pixels.
std::vector<Canvas> IconSizes(const IconParams& params = {});

}  // namespace sorvane::imagegen
