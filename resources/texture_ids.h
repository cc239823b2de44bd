// The module's 97 scene textures in the order the scene loads them: the
// resource id of each, read both by the generator that makes the images and
// by the scene that loads them, so the two cannot drift apart.
#pragma once
#include <array>
#include <cstdint>

namespace sorvane {

constexpr int kTextureCount = 97;

// Positions in the load order (and in the scene's texture array).
constexpr int kSandTexture = 0;
constexpr int kFirstCausticTexture = 1;
constexpr int kCausticFrames = 32;
constexpr int kFirstStoneTexture = 33;  // three stones, then three columns
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

constexpr std::array<int16_t, kTextureCount> kTextureResourceIds = {
    102,
    // caustic frames
    195, 196, 197, 198, 199, 200, 201, 202, 203, 204, 205, 206, 207, 208, 209, 210,
    211, 212, 213, 214, 215, 216, 217, 218, 219, 220, 221, 222, 223, 224, 225, 226,
    // stones and columns
    237, 240, 290, 291, 292, 293,
    // plants, then the bubble
    239, 242, 244, 326, 235,
    // fish skins: there is no resource 255
    252, 253, 254, 256, 257, 258, 259, 260, 261, 262, 263, 264, 265, 266, 267, 268, 269, 270, 271, 272,
    // the wide image
    245,
    // shimmer frames
    334, 335, 336, 337, 338, 339, 340, 341, 342, 343, 344, 345,
    // walls, bricks, corals
    247, 248, 249, 305, 306, 321, 322, 323, 324, 295, 296, 297, 298, 299, 327, 328, 329, 330, 331, 332,
};

// The wide image for users of a Cyrillic-script language.
constexpr int kWideCyrillicResource = 450;

}  // namespace sorvane
