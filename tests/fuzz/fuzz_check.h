// What every decoder fuzzer checks of a decoded image: sizes that agree.
#pragma once

#include <cstdlib>

#include "d3dx/image.h"

inline void CheckDecoded(const sorvane::Image& image) {
  if (image.width == 0 || image.height == 0 || image.width > sorvane::kMaxImageDimension ||
      image.height > sorvane::kMaxImageDimension || image.pixels.size() != size_t{image.width} * image.height) {
    std::abort();
  }
}
