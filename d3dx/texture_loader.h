// Textures from decoded images, as the utility library makes them from the
// module's resources: the size rounded up to powers of two, a colour key, the
// full mip chain, and the nearest format the device has when it lacks the one
// asked for.
#pragma once

#include <cstdint>
#include <span>

#include "d3dx/image.h"
#include "d3dx/image_filter.h"
#include "device/device.h"

namespace sorvane {

// Data that is not an image of a kind the loader reads.
constexpr HResult D3DXERR_INVALIDDATA = static_cast<HResult>(0x88760B59u);

struct TextureOptions {
  uint32_t format = 0;                 // D3DFMT_A8R8G8B8, D3DFMT_R8G8B8, ...
  uint32_t filter = D3DX_DEFAULT;      // a D3DX_FILTER_ kind, may carry D3DX_FILTER_DITHER
  uint32_t mipFilter = D3DX_DEFAULT;
  uint32_t colorKey = 0;               // A8R8G8B8 colour made transparent black; 0 for none
};

// The texture is created in the managed pool: the device interface fills
// textures by locking them, which the default pool does not allow, and managed
// textures also survive a device reset.
HResult CreateTextureFromImage(Direct3D& direct3d, Device& device, const Image& image, const TextureOptions& options,
                               Texture** texture);

// Decodes a resource's bytes (a packed DIB when bitmapResource, otherwise a
// JPEG, DDS or BMP file) and creates the texture from them.
HResult CreateTextureFromResourceData(Direct3D& direct3d, Device& device, std::span<const uint8_t> data,
                                      bool bitmapResource, const TextureOptions& options, Texture** texture);

}  // namespace sorvane
