// One fish of the school: where it is, the route it walks, its pace, its tail
// and its wariness of the camera.
#pragma once
#include <cstdint>
#include <iterator>

#include "base/world_units.h"
#include "fishlife/gwave.h"

namespace sorvane {

constexpr int kMaxRouteSteps = 150;

struct Fish {
  float x;  // world position; y is the height above the seabed
  float y;
  float z;
  float heading;      // drawn heading in degrees, [-180, 180)
  float stepHeading;  // heading of the last completed step
  uint8_t needsRoute;
  Step steps[kMaxRouteSteps];
  uint16_t routeLength;
  uint16_t stepIndex;
  uint16_t frameInStep;
  float framesPerCell;  // 30, 35 or 40
  float tailPhase;
  float tailStep;  // ±3
  int32_t checkFrame;  // the frame of each step on which the camera is looked for
  int32_t startled;
  uint8_t calmSteps;  // steps left during which the camera is ignored
  uint8_t firstFrame;
  uint8_t species;
  int16_t cellX, cellY;
  int16_t targetX, targetY;
  int16_t homeX, homeY;
  int16_t lastDx, lastDy;  // a step direction remembered when a route is dropped
  int32_t level;
};

// The camera box tests: closer than d in both axes, farther than d in either.
inline float AbsDistance(float a, float b) { return a > b ? a - b : b - a; }
inline bool CloserThan(const Fish& f, float cameraX, float cameraZ, float d) {
  return AbsDistance(f.x, cameraX) < d && AbsDistance(f.z, cameraZ) < d;
}
inline bool FartherThan(const Fish& f, float cameraX, float cameraZ, float d) {
  return AbsDistance(f.x, cameraX) > d || AbsDistance(f.z, cameraZ) > d;
}

// A pace is the frames a fish takes to cross one cell; its tail beats at the
// pace's speed factor.
struct Pace {
  float framesPerCell;
  float speedFactor;
};
constexpr Pace kPaces[] = {{30.0f, 0.9f}, {35.0f, 0.9f}, {40.0f, 0.7f}};

// The pace a draw gives: placement counts 0 … 7, a new route draws 0 … 8.
constexpr float kPaceOfDraw[9] = {40.0f, 35.0f, 35.0f, 30.0f, 30.0f, 40.0f, 40.0f, 40.0f, 40.0f};

inline float SpeedFactor(float framesPerCell) {
  for (const Pace& pace : kPaces) {
    if (framesPerCell <= pace.framesPerCell) return pace.speedFactor;
  }
  return kPaces[std::size(kPaces) - 1].speedFactor;
}

// Fish plan and move only this close to the camera, and are drawn only closer
// than kFishDrawDistance.
constexpr float kFishActiveDistance = 0.45f;
constexpr float kFishDrawDistance = 0.4f;

}  // namespace sorvane
