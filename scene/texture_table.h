// The 97 textures of the scene in their load order: which resource each comes
// from and with which format, filters and colour key it is made.
#pragma once
#include <array>
#include <cstdint>

#include "d3dx/texture_loader.h"

namespace sorvane {

constexpr int kTextureCount = 97;

// Positions in the load order (and in Scene::textures).
constexpr int kSandTexture = 0;
constexpr int kFirstCausticTexture = 1;
constexpr int kCausticFrames = 32;
constexpr int kFirstStoneTexture = 33;  // stones and columns, 6
constexpr int kFirstPlantTexture = 39;  // 4
constexpr int kBubbleTexture = 43;
constexpr int kFirstFishTexture = 44;  // species 0 … 19
constexpr int kFishSpecies = 20;
constexpr int kWideTexture = 64;
constexpr int kFirstShimmerTexture = 65;
constexpr int kShimmerFrames = 12;
constexpr int kFirstWallTexture = 77;   // 9
constexpr int kFirstBrickTexture = 86;  // 5
constexpr int kFirstCoralTexture = 91;  // 6

struct TextureLoad {
  int resourceId;
  TextureOptions options;
};

// Entry `order` of the load order; the wide image comes from resource 450 for
// users of a Cyrillic-script language, else from 245.
TextureLoad TextureLoadAt(int order, bool cyrillicLocale);

// The position in the load order of a resource's texture; −1 for none.
int TextureOrderOf(int resourceId);

}  // namespace sorvane
