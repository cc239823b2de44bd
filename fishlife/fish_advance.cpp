// The per-frame advance: a fish near the camera and in view turns toward its
// step, wags its tail while swimming straight, crosses its cell in
// framesPerCell frames, and at the cell boundary releases the cell it leaves
// and holds the next one.
#include "fishlife/fish_behaviour.h"

namespace sorvane {

namespace {

constexpr float kFrustumMargin = -0.2f;
constexpr float kStartleDistance = 0.15f;

float WrapDegrees(float a) {
  if (a >= 180.0f) a -= 360.0f;
  if (a < -180.0f) a += 360.0f;
  return a;
}

// The step ends at the cell boundary: the fish lands on the next cell, which
// it already holds, and gives up the one it leaves.
void EndStep(Fish& f, int16_t* layer, float target, Step step) {
  f.heading = WrapDegrees(f.heading);
  f.stepHeading = target;
  layer[CellIndex(f.cellX, f.cellY)] = kFreeWater;
  f.cellX = static_cast<int16_t>(f.cellX + step.dx);
  f.cellY = static_cast<int16_t>(f.cellY + step.dy);
  f.frameInStep = 0;
  ++f.stepIndex;
  f.x = CellCentre(f.cellX);
  f.z = CellCentre(f.cellY);
  if (f.calmSteps > 0) --f.calmSteps;

  const Step last = f.steps[f.routeLength - 1];
  if (f.stepIndex >= f.routeLength) {
    f.needsRoute = 1;
    f.lastDx = last.dx;
    f.lastDy = last.dy;
    return;
  }
  if (f.startled) {
    // The route is dropped here, so the fish takes no hold on its next cell.
    f.needsRoute = 1;
    f.lastDx = f.steps[f.stepIndex].dx;
    f.lastDy = f.steps[f.stepIndex].dy;
    return;
  }
  const Step next = f.steps[f.stepIndex];
  int16_t& nextCell = layer[CellIndex(f.cellX + next.dx, f.cellY + next.dy)];
  if (nextCell == kBlocked) {
    f.needsRoute = 1;
    f.lastDx = last.dx;
    f.lastDy = last.dy;
  } else {
    nextCell = kBlocked;
  }
}

}  // namespace

float StepHeadingDegrees(Step step) {
  static constexpr float kHeadings[3][3] = {
      // dy = -1, 0, 1 for dx = -1, 0, 1
      {-135.0f, -180.0f, 135.0f},
      {-90.0f, 0.0f, 90.0f},
      {-45.0f, 0.0f, 45.0f},
  };
  if (step.dx < -1 || step.dx > 1 || step.dy < -1 || step.dy > 1) return 0.0f;
  return kHeadings[step.dx + 1][step.dy + 1];
}

bool AdvanceFish(Fish& f, GWave& gWave, const FishView& view, FishMotion& motion) {
  if (FartherThan(f, view.cameraX, view.cameraZ, kFishActiveDistance)) return false;
  const float ground = view.groundHeight(view.heightGrid, f.x, f.z);
  for (int i = 0; i < 6; ++i) {
    const FishViewPlane& p = view.planes[i];
    if (p.a * f.x + p.b * (ground + f.y) + p.c * f.z + p.d <= kFrustumMargin) return false;
  }
  const float s = SpeedFactor(f.framesPerCell);
  const float target = f.needsRoute ? 0.0f : StepHeadingDegrees(f.steps[f.stepIndex]);
  float diff = 0.0f;
  if (!f.needsRoute) {
    // The first frame with a route faces the fish along its first step.
    if (f.firstFrame) {
      f.heading = f.stepHeading = target;
      f.firstFrame = 0;
    }
    diff = WrapDegrees(target - f.stepHeading);
    if (diff > -0.5f && diff < 0.5f) f.tailPhase += f.tailStep * s;
    if (f.tailPhase > 9.0f / s || f.tailPhase < -9.0f / s) {
      f.tailStep = -f.tailStep;
      f.tailPhase += f.tailStep * s;
    }
    f.heading = WrapDegrees(f.heading + diff / f.framesPerCell);

    const Step step = f.steps[f.stepIndex];
    ++f.frameInStep;
    f.x += step.dx / (f.framesPerCell * kCellsPerUnit);
    f.z += step.dy / (f.framesPerCell * kCellsPerUnit);
    if (f.checkFrame == f.frameInStep && f.calmSteps == 0 &&
        CloserThan(f, view.cameraX, view.cameraZ, kStartleDistance)) {
      f.startled = 1;
    }
    if (f.frameInStep >= static_cast<int>(f.framesPerCell)) {
      EndStep(f, gWave.levelLayers[f.level], target, step);
    }
  }
  motion = {diff, s, static_cast<int>(f.framesPerCell)};
  return !FartherThan(f, view.cameraX, view.cameraZ, kFishDrawDistance);
}

}  // namespace sorvane
