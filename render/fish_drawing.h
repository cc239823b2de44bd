// The fish's part of a frame: every fish is advanced first; then those near
// and in view are bent and drawn with their species' skin.
//
// All fish of a frame are streamed into one dynamic vertex buffer, locked once
// (again only when it fills up), and each fish is drawn with one indexed call
// from the static species index buffer at its own base vertex: the triangles,
// their order and every fish's states are those of a draw per part, at a
// fraction of the locks and calls.
#pragma once
#include <cstdint>
#include <vector>

#include "d3dx/matrix_stack.h"
#include "device/cached_device.h"
#include "fishlife/fish_behaviour.h"
#include "scene/geometry/fish_buffers.h"

namespace sorvane {

struct FishDraw {
  Matrix world;
  uint32_t baseVertex;
  uint8_t species;
  bool blend;
  bool alphaTest;
};

// A fish the advance moved near the camera and in view, to be drawn.
struct MovedFish {
  int32_t index;
  FishMotion motion;
};

// Kept from frame to frame so that the pass allocates nothing once warm.
struct FishRenderer {
  std::vector<MovedFish> moved;
  std::vector<FishDraw> pending;
  FishVertex* vertices = nullptr;  // the locked fish vertex buffer, or null
  uint32_t used = 0;
  int boundSpecies = -1;
};

struct FishDrawTarget {
  CachedDevice& gpu;
  MatrixStack& matrixStack;
  const FishBuffers& buffers;
  const FishModel* models;
  Texture* const* skins;  // one per species
};

struct FishPassFigures {
  int drawn = 0;
  int drawCalls = 0;
};

// Runs AdvanceFish for every fish in array order and keeps the ones to draw.
void AdvanceSchool(FishRenderer& renderer, const FishView& view, Fish* fish, int32_t count, GWave& gWave);

// Sets the fish's vertex format and stream, then bends and draws the fish the
// advance kept, in array order, each blended or alpha-tested as its distance
// asks. The other states are the fish pass's, set before.
FishPassFigures DrawSchool(FishRenderer& renderer, const FishDrawTarget& target, const FishView& view,
                           const Fish* fish);

}  // namespace sorvane
