// The bubble's constructor and rise, and the code-to-class table.
#include "scene/scene_objects.h"

#include <array>

namespace sorvane {

namespace {

// Each bubble draws a speed, a height and a life, in that order.
float RandomRiseSpeed() { return RandomScaled(0.002f) + 0.001f; }
int16_t RandomLife() { return static_cast<int16_t>(RandomScaled(200.0f) + 200.0f); }

constexpr std::array<int8_t, 52> kClassOfCode = {
    -1,
    kBubbleClass,
    kFirstStoneClass + 0, kFirstStoneClass + 1, kFirstStoneClass + 2,  // codes 2–4
    kFirstColumnClass + 0,                                             // 5
    kFirstFloraClass + 0, kFirstFloraClass + 1, kFirstFloraClass + 2, kFirstFloraClass + 3,  // 6–9
    kFirstWallClass + 0, kFirstWallClass + 1, kFirstWallClass + 2, kFirstWallClass + 3, kFirstWallClass + 4,
    kFirstWallClass + 5,                                                // 10–15
    kFirstBrickClass + 0, kFirstBrickClass + 1, kFirstBrickClass + 2,  // 16–18
    kFirstColumnClass + 1,                                             // 19
    kFirstFloraClass + 4, kFirstFloraClass + 5,                        // 20–21
    kFirstStoneClass + 3, kFirstStoneClass + 4, kFirstStoneClass + 5, kFirstStoneClass + 6, kFirstStoneClass + 7,
    kFirstStoneClass + 8, kFirstStoneClass + 9, kFirstStoneClass + 10,  // 22–29
    kFirstColumnClass + 2,                                              // 30
    kFirstBrickClass + 3, kFirstBrickClass + 4,                         // 31–32
    kFirstWallClass + 6, kFirstWallClass + 7, kFirstWallClass + 8, kFirstWallClass + 9,  // 33–36
    kFirstFloraClass + 6, kFirstFloraClass + 7, kFirstFloraClass + 8, kFirstFloraClass + 9, kFirstFloraClass + 10,
    kFirstFloraClass + 11, kFirstFloraClass + 12, kFirstFloraClass + 13,  // 37–44
    kFirstCoralClass + 0, kFirstCoralClass + 1, kFirstCoralClass + 2, kFirstCoralClass + 3, kFirstCoralClass + 4,
    kFirstCoralClass + 5, kFirstCoralClass + 6,  // 45–51
};

}  // namespace

CBubble::CBubble() {
  riseSpeed = RandomRiseSpeed();
  height = RandomScaled(0.3f);
  life = RandomLife();
}

void CBubble::Rise() {
  height += riseSpeed;
  if (--life == 0) {
    riseSpeed = RandomRiseSpeed();
    height = baseY - 0.005f;
    life = RandomLife();
  }
}

int ClassOfCode(int code) { return code >= 1 && code <= 51 ? kClassOfCode[code] : -1; }

int32_t ObjectCount(const TileObjects& objects, int objectClass) {
  int32_t count = 0;
  ForEachObjectArray(objects, [&](auto index, auto& array) {
    if (index() == objectClass) count = array.count;
  });
  return count;
}

}  // namespace sorvane
