// Checks over a living school: the cell holds in the level layers, the fish's
// levels and positions, and how long fish near the camera wait for a route.
// Used by scene_probe's long runs and by the native tests' shorter ones.
#pragma once
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fishlife/fish_school.h"
#include "fishlife/navigation_map.h"

namespace sorvane {

class FishInvariants {
 public:
  // Takes the obstacle layers from the cell grid and the fish's levels and
  // heights as they are now.
  bool Init(const NavigationMap& map, const FishSchool& school) {
    NavigationMap ref;
    if (!ref.Allocate()) return false;
    std::memcpy(ref.cellGrid.get(), map.cellGrid.get(), kGridCells);
    ref.cellClass = map.cellClass;
    BuildLevelLayers(ref);
    obstacles_.assign(static_cast<size_t>(kSwimLevels) * kGridCells, 0);
    for (int level = 0; level < kSwimLevels; ++level) {
      for (int i = 0; i < kGridCells; ++i) {
        obstacles_[static_cast<size_t>(level) * kGridCells + i] = ref.gWave.levelLayers[level][i] == kBlocked;
      }
    }
    for (int32_t i = 0; i < school.count; ++i) {
      levels_.push_back(school.fish[i].level);
      heights_.push_back(school.fish[i].y);
    }
    waiting_.assign(static_cast<size_t>(school.count), 0);
    owner_.assign(static_cast<size_t>(kSwimLevels) * kGridCells, -1);
    return true;
  }

  // After a calculation cycle; "" when everything holds, else what did not.
  std::string Check(const NavigationMap& map, const FishSchool& school, float cameraX, float cameraZ) {
    std::fill(owner_.begin(), owner_.end(), -1);
    for (int32_t i = 0; i < school.count; ++i) {
      const Fish& f = school.fish[i];
      if (!std::isfinite(f.x) || !std::isfinite(f.z) || !std::isfinite(f.heading) || !std::isfinite(f.tailPhase) ||
          f.x < 0 || f.x > 8 || f.z < 0 || f.z > 8) {
        return "fish " + std::to_string(i) + " has a bad position";
      }
      if (f.level != levels_[i] || f.y != heights_[i]) return "fish " + std::to_string(i) + " left its level";
      std::string e = Own(f, i, f.cellX, f.cellY);
      if (e.empty() && !f.needsRoute) {
        const Step s = f.steps[f.stepIndex];
        e = Own(f, i, f.cellX + s.dx, f.cellY + s.dy);
      }
      if (!e.empty()) return e;
      const bool near = !FartherThan(f, cameraX, cameraZ, kFishActiveDistance);
      waiting_[i] = near && f.needsRoute ? waiting_[i] + 1 : 0;
      if (waiting_[i] > longestWait) longestWait = waiting_[i];
    }
    for (int level = 0; level < kSwimLevels; ++level) {
      const int16_t* layer = map.gWave.levelLayers[level];
      for (int c = 0; c < kGridCells; ++c) {
        const size_t k = static_cast<size_t>(level) * kGridCells + c;
        if (obstacles_[k] && layer[c] != kBlocked) return "obstacle opened at level " + std::to_string(level);
        if (!obstacles_[k] && layer[c] == kBlocked && owner_[k] < 0) {
          return "orphaned hold at level " + std::to_string(level) + " cell " + std::to_string(c);
        }
        if (!obstacles_[k] && layer[c] != kBlocked && owner_[k] >= 0) {
          return "fish " + std::to_string(owner_[k]) + " holds an open cell";
        }
      }
    }
    return "";
  }

  // The most consecutive checks a fish near the camera spent without a route.
  int longestWait = 0;

 private:
  std::string Own(const Fish& f, int32_t i, int column, int row) {
    const size_t k = static_cast<size_t>(f.level) * kGridCells + static_cast<size_t>(CellIndex(column, row));
    if (obstacles_[k]) return "fish " + std::to_string(i) + " holds an obstacle cell";
    if (owner_[k] >= 0) return "fish " + std::to_string(i) + " and " + std::to_string(owner_[k]) + " hold one cell";
    owner_[k] = i;
    return "";
  }

  std::vector<uint8_t> obstacles_;
  std::vector<int32_t> owner_;
  std::vector<int32_t> levels_;
  std::vector<float> heights_;
  std::vector<int> waiting_;
};

}  // namespace sorvane
