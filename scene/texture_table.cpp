// The texture list and its seven parameter sets.
#include "scene/texture_table.h"

#include "render/d3d8_constants.h"

namespace sorvane {

namespace {

struct Entry {
  int16_t resourceId;
  int8_t set;
};

constexpr uint32_t kBlackKey = 0xFF000000u;

constexpr std::array<Entry, kTextureCount> kTextures = {{
    {102, 1},
    // caustic frames
    {195, 2}, {196, 2}, {197, 2}, {198, 2}, {199, 2}, {200, 2}, {201, 2}, {202, 2},
    {203, 2}, {204, 2}, {205, 2}, {206, 2}, {207, 2}, {208, 2}, {209, 2}, {210, 2},
    {211, 2}, {212, 2}, {213, 2}, {214, 2}, {215, 2}, {216, 2}, {217, 2}, {218, 2},
    {219, 2}, {220, 2}, {221, 2}, {222, 2}, {223, 2}, {224, 2}, {225, 2}, {226, 2},
    // stones and columns
    {237, 1}, {240, 1}, {290, 1}, {291, 1}, {292, 1}, {293, 1},
    // plants
    {239, 3}, {242, 3}, {244, 3}, {326, 3},
    {235, 4},
    // fish skins: there is no resource 255
    {252, 5}, {253, 5}, {254, 5}, {256, 5}, {257, 5}, {258, 5}, {259, 5}, {260, 5}, {261, 5}, {262, 5},
    {263, 5}, {264, 5}, {265, 5}, {266, 5}, {267, 5}, {268, 5}, {269, 5}, {270, 5}, {271, 5}, {272, 5},
    {245, 6},
    // shimmer frames
    {334, 6}, {335, 6}, {336, 6}, {337, 6}, {338, 6}, {339, 6}, {340, 6}, {341, 6}, {342, 6}, {343, 6},
    {344, 6}, {345, 6},
    // walls, bricks, corals
    {247, 7}, {248, 7}, {249, 7}, {305, 7}, {306, 7}, {321, 7}, {322, 7}, {323, 7}, {324, 7},
    {295, 7}, {296, 7}, {297, 7}, {298, 7}, {299, 7},
    {327, 7}, {328, 7}, {329, 7}, {330, 7}, {331, 7}, {332, 7},
}};

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
    if (kTextures[order].resourceId == resourceId) return order;
  }
  return -1;
}

TextureLoad TextureLoadAt(int order, bool cyrillicLocale) {
  const Entry& e = kTextures[order];
  const int id = order == kWideTexture && cyrillicLocale ? 450 : e.resourceId;
  return {id, OptionsOfSet(e.set, id)};
}

}  // namespace sorvane
