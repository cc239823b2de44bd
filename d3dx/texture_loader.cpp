// Texture creation from images: format choice, scaling, colour key, mip chain.
#include "d3dx/texture_loader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <utility>

#include "d3dx/texture_format.h"
#include "device/d3d8_constants.h"

namespace sorvane {
namespace {

constexpr uint32_t kFilterKindMask = 0xFFFF;

// Resolves D3DX_DEFAULT; false for a kind that does not exist.
bool ResolveFilter(uint32_t value, uint32_t defaultValue, uint32_t* kind, bool* dither) {
  if (value == D3DX_DEFAULT) value = defaultValue;
  *kind = value & kFilterKindMask;
  *dither = (value & D3DX_FILTER_DITHER) != 0;
  return *kind >= D3DX_FILTER_NONE && *kind <= D3DX_FILTER_BOX;
}

// The nearest format to `wanted` that the device takes as a texture.
HResult ChooseFormat(Direct3D& direct3d, uint32_t wanted, const TextureFormatInfo** chosen) {
  DisplayMode mode;
  const HResult r = direct3d.GetAdapterDisplayMode(&mode);
  if (Failed(r)) return r;
  std::array<uint32_t, 8> order;
  const size_t count = TextureFormatsByNearness(wanted, order);
  for (size_t i = 0; i < count; ++i) {
    if (!Failed(direct3d.CheckDeviceFormat(mode.format, 0, D3DRTYPE_TEXTURE, order[i]))) {
      *chosen = FindTextureFormat(order[i]);
      return D3D_OK;
    }
  }
  return D3DERR_NOTAVAILABLE;
}

HResult FillLevel(Device& device, Texture* texture, uint32_t level, const Image& image,
                  const TextureFormatInfo& format, bool dither) {
  uint8_t* bits = nullptr;
  int32_t pitch = 0;
  HResult r = device.LockTextureLevel(texture, level, &bits, &pitch);
  if (Failed(r)) return r;
  if (bits == nullptr || pitch < 0 || static_cast<uint64_t>(pitch) < uint64_t{image.width} * format.bytesPerPixel) {
    device.UnlockTextureLevel(texture, level);
    return D3DERR_INVALIDCALL;
  }
  for (uint32_t y = 0; y < image.height; ++y) {
    PackRow(format, image.pixels.data() + static_cast<size_t>(y) * image.width, image.width, y, dither,
            bits + static_cast<size_t>(y) * static_cast<size_t>(pitch));
  }
  return device.UnlockTextureLevel(texture, level);
}

}  // namespace

HResult CreateTextureFromImage(Direct3D& direct3d, Device& device, const Image& image, const TextureOptions& options,
                               Texture** texture) {
  uint32_t filterKind, mipKind;
  bool filterDither, mipDither;
  if (image.width == 0 || image.height == 0 || image.pixels.size() != size_t{image.width} * image.height ||
      FindTextureFormat(options.format) == nullptr ||
      !ResolveFilter(options.filter, D3DX_FILTER_TRIANGLE | D3DX_FILTER_DITHER, &filterKind, &filterDither) ||
      !ResolveFilter(options.mipFilter, D3DX_FILTER_BOX, &mipKind, &mipDither)) {
    return D3DERR_INVALIDCALL;
  }
  const TextureFormatInfo* format = nullptr;
  HResult r = ChooseFormat(direct3d, options.format, &format);
  if (Failed(r)) return r;

  Image keyed = image;
  ApplyColorKey(&keyed, options.colorKey);
  const uint32_t width = std::bit_ceil(image.width);
  const uint32_t height = std::bit_ceil(image.height);
  Image level = width == image.width && height == image.height ? std::move(keyed)
                                                                : ScaleImage(keyed, width, height, filterKind);
  const uint32_t levels = static_cast<uint32_t>(std::bit_width(std::max(width, height)));

  Texture* created = nullptr;
  r = device.CreateTexture(width, height, levels, 0, format->format, D3DPOOL_MANAGED, &created);
  if (Failed(r)) return r;
  for (uint32_t i = 0; i < levels; ++i) {
    if (i > 0) level = HalveImage(level, mipKind);
    r = FillLevel(device, created, i, level, *format, i == 0 ? filterDither : mipDither);
    if (Failed(r)) {
      device.ReleaseTexture(created);
      return r;
    }
  }
  *texture = created;
  return D3D_OK;
}

HResult CreateTextureFromResourceData(Direct3D& direct3d, Device& device, std::span<const uint8_t> data,
                                      bool bitmapResource, const TextureOptions& options, Texture** texture) {
  Image image;
  const bool decoded = bitmapResource ? DecodeDib(data, &image) : DecodeImageFile(data, &image);
  if (!decoded) return D3DXERR_INVALIDDATA;
  return CreateTextureFromImage(direct3d, device, image, options, texture);
}

}  // namespace sorvane
