// The seven parameter sets of the textures, chosen by their place in the load order.
#include "scene/texture_table.h"

#include "device/d3d8_constants.h"

namespace sorvane {

namespace {

constexpr uint32_t kBlackKey = 0xFF000000u;

// Sand, stones and columns 1; caustics 2; plants 3; the bubble 4; fish skins
// 5; the wide image and the shimmer 6; walls, bricks and corals 7.
int SetAt(int order) {
  if (order >= kFirstCausticTexture && order < kFirstCausticTexture + kCausticFrames) return 2;
  if (order >= kFirstPlantTexture && order < kBubbleTexture) return 3;
  if (order == kBubbleTexture) return 4;
  if (order >= kFirstFishTexture && order < kFirstFishTexture + kFishSpecies) return 5;
  if (order >= kWideTexture && order < kFirstWallTexture) return 6;
  if (order >= kFirstWallTexture) return 7;
  return 1;
}

TextureOptions OptionsOfSet(int set, int resourceId) {
  switch (set) {
    case 1:
      return {D3DFMT_R8G8B8, D3DX_DEFAULT, D3DX_FILTER_BOX, kBlackKey};
    case 2:
      return {D3DFMT_R8G8B8, D3DX_FILTER_LINEAR, D3DX_FILTER_BOX, kBlackKey};
    case 3:
      return {D3DFMT_A8R8G8B8, D3DX_FILTER_LINEAR, D3DX_FILTER_BOX, kBlackKey};
    case 4:
      return {D3DFMT_A8R8G8B8, D3DX_FILTER_POINT, D3DX_FILTER_POINT, 0};
    case 5:
      return {D3DFMT_A8R8G8B8, D3DX_FILTER_POINT | D3DX_FILTER_DITHER, D3DX_FILTER_POINT,
              resourceId == 252 ? 0xFFFFFFFFu : 0xFF00FF00u};
    case 6:
      return {D3DFMT_A8R8G8B8, D3DX_DEFAULT, D3DX_FILTER_POINT, 0};
    default:
      return {resourceId == 330 ? D3DFMT_A8R8G8B8 : D3DFMT_R8G8B8, D3DX_FILTER_LINEAR | D3DX_FILTER_DITHER,
              D3DX_FILTER_POINT, 0};
  }
}

}  // namespace

int TextureOrderOf(int resourceId) {
  for (int order = 0; order < kTextureCount; ++order) {
    if (kTextureResourceIds[order] == resourceId) return order;
  }
  return -1;
}

TextureLoad TextureLoadAt(int order, bool cyrillicLocale) {
  const int id = order == kWideTexture && cyrillicLocale ? kWideCyrillicResource : kTextureResourceIds[order];
  return {id, OptionsOfSet(SetAt(order), id)};
}

}  // namespace sorvane
