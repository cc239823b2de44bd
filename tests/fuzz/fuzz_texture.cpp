// Fuzzer for the way from resource bytes to a texture: any decodable image of
// any size goes through scaling, colour key, mip chain and packing, with the
// first byte choosing the format, filters and whether the bytes are a DIB.
#include <cstdint>
#include <cstdlib>

#include "d3dx/texture_loader.h"
#include "device/d3d8_constants.h"
#include "tests/support/device_recording.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace sorvane;
  if (size < 1) return 0;
  constexpr uint32_t kFormats[] = {D3DFMT_R8G8B8, D3DFMT_A8R8G8B8, D3DFMT_R5G6B5, D3DFMT_A1R5G5B5};
  const uint8_t choice = data[0];
  TextureOptions options;
  options.format = kFormats[choice & 3];
  options.filter = (1 + (choice >> 2) % 5) | ((choice & 0x80) ? D3DX_FILTER_DITHER : 0);
  options.mipFilter = (choice & 0x40) ? D3DX_FILTER_POINT : D3DX_FILTER_BOX;
  options.colorKey = 0xFF000000;
  RecordingDirect3D direct3d;
  RecordingDevice device;
  if (choice & 0x20) device.unsupportedTextureFormats = direct3d.unsupportedFormats = {D3DFMT_R8G8B8};
  Texture* texture = nullptr;
  const HResult r =
      CreateTextureFromResourceData(direct3d, device, {data + 1, size - 1}, (choice & 0x10) != 0, options, &texture);
  if (!Failed(r) && RecordingDevice::Of(texture).levels.empty()) std::abort();
  return 0;
}
