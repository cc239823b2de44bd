// Operations on A8R8G8B8 images on their way to a texture: the colour key,
// scaling to the texture's size and halving for the next mip level, each with
// the utility library's filter kinds.
#pragma once

#include <cstdint>

#include "d3dx/image.h"

namespace sorvane {

// Filter kinds (the low 16 bits of a filter value) and flags.
constexpr uint32_t D3DX_DEFAULT = 0xFFFFFFFF;
constexpr uint32_t D3DX_FILTER_NONE = 1;
constexpr uint32_t D3DX_FILTER_POINT = 2;
constexpr uint32_t D3DX_FILTER_LINEAR = 3;
constexpr uint32_t D3DX_FILTER_TRIANGLE = 4;
constexpr uint32_t D3DX_FILTER_BOX = 5;
constexpr uint32_t D3DX_FILTER_DITHER = 0x80000;

// Every pixel equal to `key` becomes transparent black; a key of 0 does nothing.
void ApplyColorKey(Image* image, uint32_t key);

// The image scaled to width × height. NONE copies and pads with transparent
// black, POINT takes the nearest pixel, the other kinds interpolate linearly.
Image ScaleImage(const Image& image, uint32_t width, uint32_t height, uint32_t kind);

// The next mip level: half the size in each direction (at least 1). POINT and
// NONE keep the top-left pixel of each 2 × 2 block, the other kinds average it.
Image HalveImage(const Image& image, uint32_t kind);

}  // namespace sorvane
