// The 51 scene-object classes: small records that stand on the seabed tiles,
// one array per class and tile. Constructors draw their random values from
// the project's rand(); the placement writes the position afterwards.
#pragma once
#include <cstdint>
#include <memory>
#include <tuple>
#include <utility>

#include "base/random.h"

namespace sorvane {

// Turn about the vertical axis in radians: rand() × 3.14 / 32767 × 360 / 180.
inline float RandomTurnRadians() {
  return RandomScaled(3.14f) * 360.0f / 180.0f;
}
// Turn in degrees: rand() × 360 / 32767.
inline float RandomTurnDegrees() { return RandomScaled(360.0f); }

template <int N>
class StoneObject {
 public:
  virtual ~StoneObject() = default;
  float x = 0, z = 0, y = 0;
};

// CBrick1 … CBrick3: turned in radians.
template <int N>
class TurnedBrick {
 public:
  TurnedBrick() : yaw(RandomTurnRadians()) {}
  virtual ~TurnedBrick() = default;
  float x = 0, z = 0, y = 0;
  float yaw;
};

// CBrick4, CBrick5: turned, and tipped 50 … 80°.
template <int N>
class TippedBrick {
 public:
  TippedBrick() : yaw(RandomTurnRadians()), tilt(RandomScaled(1.0f) * 30.0f + 50.0f) {}
  virtual ~TippedBrick() = default;
  float x = 0, z = 0, y = 0;
  float yaw;
  float tilt;  // degrees
};

// CColumn1 and CColumn3 lean 0 … 30°; CColumn2 lies at 50°.
template <int N>
class ColumnObject {
 public:
  ColumnObject() : yaw(RandomTurnRadians()), tilt(N == 2 ? 50.0f : RandomScaled(1.0f) * 30.0f) {}
  virtual ~ColumnObject() = default;
  float x = 0, z = 0, y = 0;
  float yaw;
  float tilt;  // degrees
};

// Walls, corals and CFlora2: turned in degrees.
template <int Family, int N>
class TurnedObject {
 public:
  TurnedObject() : yaw(RandomTurnDegrees()) {}
  virtual ~TurnedObject() = default;
  float x = 0, z = 0, y = 0;
  float yaw;
};

// CFlora1 and CFlora3 … CFlora14.
template <int N>
class PlantObject {
 public:
  PlantObject() : yaw(RandomTurnDegrees()) {}
  virtual ~PlantObject() = default;
  float x = 0, z = 0, y = 0;
  float spare = 0;
  float yaw;
};

class CBubble {
 public:
  CBubble();
  virtual ~CBubble() = default;
  // One drawn frame: rise, age, and start again below the base when done.
  void Rise();
  float x = 0, z = 0, baseY = 0;
  float height;
  float riseSpeed;
  int16_t life;
};

using CStone1 = StoneObject<1>;
using CStone2 = StoneObject<2>;
using CStone3 = StoneObject<3>;
using CStone4 = StoneObject<4>;
using CStone5 = StoneObject<5>;
using CStone6 = StoneObject<6>;
using CStone7 = StoneObject<7>;
using CStone8 = StoneObject<8>;
using CStone9 = StoneObject<9>;
using CStone10 = StoneObject<10>;
using CStone11 = StoneObject<11>;
using CColumn1 = ColumnObject<1>;
using CColumn2 = ColumnObject<2>;
using CColumn3 = ColumnObject<3>;
using CBrick1 = TurnedBrick<1>;
using CBrick2 = TurnedBrick<2>;
using CBrick3 = TurnedBrick<3>;
using CBrick4 = TippedBrick<4>;
using CBrick5 = TippedBrick<5>;
constexpr int kWallFamily = 1;
constexpr int kCoralFamily = 2;
constexpr int kFloraFamily = 3;
using CWall1 = TurnedObject<kWallFamily, 1>;
using CWall2 = TurnedObject<kWallFamily, 2>;
using CWall3 = TurnedObject<kWallFamily, 3>;
using CWall4 = TurnedObject<kWallFamily, 4>;
using CWall5 = TurnedObject<kWallFamily, 5>;
using CWall6 = TurnedObject<kWallFamily, 6>;
using CWall7 = TurnedObject<kWallFamily, 7>;
using CWall8 = TurnedObject<kWallFamily, 8>;
using CWall9 = TurnedObject<kWallFamily, 9>;
using CWall10 = TurnedObject<kWallFamily, 10>;
using CCoral1 = TurnedObject<kCoralFamily, 1>;
using CCoral2 = TurnedObject<kCoralFamily, 2>;
using CCoral3 = TurnedObject<kCoralFamily, 3>;
using CCoral4 = TurnedObject<kCoralFamily, 4>;
using CCoral5 = TurnedObject<kCoralFamily, 5>;
using CCoral6 = TurnedObject<kCoralFamily, 6>;
using CCoral7 = TurnedObject<kCoralFamily, 7>;
using CFlora1 = PlantObject<1>;
using CFlora2 = TurnedObject<kFloraFamily, 2>;
using CFlora3 = PlantObject<3>;
using CFlora4 = PlantObject<4>;
using CFlora5 = PlantObject<5>;
using CFlora6 = PlantObject<6>;
using CFlora7 = PlantObject<7>;
using CFlora8 = PlantObject<8>;
using CFlora9 = PlantObject<9>;
using CFlora10 = PlantObject<10>;
using CFlora11 = PlantObject<11>;
using CFlora12 = PlantObject<12>;
using CFlora13 = PlantObject<13>;
using CFlora14 = PlantObject<14>;

template <class T>
struct ObjectArray {
  using value_type = T;
  std::unique_ptr<T[]> items;
  int32_t count = 0;
};

// The arrays of one tile in class order: the bubbles, stones, columns,
// plants, walls, bricks and corals.
using TileObjects = std::tuple<
    ObjectArray<CBubble>, ObjectArray<CStone1>, ObjectArray<CStone2>, ObjectArray<CStone3>, ObjectArray<CStone4>,
    ObjectArray<CStone5>, ObjectArray<CStone6>, ObjectArray<CStone7>, ObjectArray<CStone8>, ObjectArray<CStone9>,
    ObjectArray<CStone10>, ObjectArray<CStone11>, ObjectArray<CColumn1>, ObjectArray<CColumn2>,
    ObjectArray<CColumn3>, ObjectArray<CFlora1>, ObjectArray<CFlora2>, ObjectArray<CFlora3>, ObjectArray<CFlora4>,
    ObjectArray<CFlora5>, ObjectArray<CFlora6>, ObjectArray<CFlora7>, ObjectArray<CFlora8>, ObjectArray<CFlora9>,
    ObjectArray<CFlora10>, ObjectArray<CFlora11>, ObjectArray<CFlora12>, ObjectArray<CFlora13>,
    ObjectArray<CFlora14>, ObjectArray<CWall1>, ObjectArray<CWall2>, ObjectArray<CWall3>, ObjectArray<CWall4>,
    ObjectArray<CWall5>, ObjectArray<CWall6>, ObjectArray<CWall7>, ObjectArray<CWall8>, ObjectArray<CWall9>,
    ObjectArray<CWall10>, ObjectArray<CBrick1>, ObjectArray<CBrick2>, ObjectArray<CBrick3>, ObjectArray<CBrick4>,
    ObjectArray<CBrick5>, ObjectArray<CCoral1>, ObjectArray<CCoral2>, ObjectArray<CCoral3>, ObjectArray<CCoral4>,
    ObjectArray<CCoral5>, ObjectArray<CCoral6>, ObjectArray<CCoral7>>;

constexpr int kObjectClassCount = 51;
static_assert(std::tuple_size_v<TileObjects> == kObjectClassCount);

// Class positions in TileObjects.
enum ObjectClass : int {
  kBubbleClass = 0,
  kFirstStoneClass = 1,    // CStone1 … CStone11
  kFirstColumnClass = 12,  // CColumn1 … CColumn3
  kFirstFloraClass = 15,   // CFlora1 … CFlora14
  kFirstWallClass = 29,    // CWall1 … CWall10
  kFirstBrickClass = 39,   // CBrick1 … CBrick5
  kFirstCoralClass = 44,   // CCoral1 … CCoral7
};

// The class of each cell code 1 … 51 (entry 0 unused).
int ClassOfCode(int code);

// Calls f(std::integral_constant<int, I>{}, std::get<I>(objects)) for every
// class in order; `objects` is a TileObjects, const or not.
template <class Objects, class F, size_t... I>
void ForEachObjectArray(Objects& objects, F&& f, std::index_sequence<I...>) {
  (f(std::integral_constant<int, static_cast<int>(I)>{}, std::get<I>(objects)), ...);
}
template <class Objects, class F>
void ForEachObjectArray(Objects& objects, F&& f) {
  ForEachObjectArray(objects, f, std::make_index_sequence<kObjectClassCount>{});
}

int32_t ObjectCount(const TileObjects& objects, int objectClass);

}  // namespace sorvane
