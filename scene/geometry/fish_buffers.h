// The buffers every fish is drawn through: one dynamic vertex buffer that a
// frame fills with all its fish, and one static index buffer holding each
// species' parts back to back.
#pragma once
#include <cstdint>

#include "device/device.h"
#include "scene/geometry/fish_models.h"

namespace sorvane {

// Room for this many fish vertices per fill; a frame with more draws what it
// has and fills again.
constexpr uint32_t kFishVertexCapacity = 32768;

struct FishBuffers {
  VertexBuffer* vertices = nullptr;
  IndexBuffer* indices = nullptr;
  // Per species: where its indices start, how many there are, and how many
  // vertices its parts have together. The indices of a part are offset by the
  // vertices of the parts before it, so one call draws a whole fish.
  int32_t firstIndex[kFishModelSpecies] = {};
  int32_t indexCount[kFishModelSpecies] = {};
  int32_t vertexCount[kFishModelSpecies] = {};
  bool Ready() const { return vertices != nullptr && indices != nullptr; }
};

// Creates the fish buffers if they don't exist yet. Without the vertex buffer
// no index buffer is made: the fish then move but are not drawn.
void CreateFishBuffers(Device& device, FishBuffers& buffers, const FishModel* models);

void ReleaseFishBuffers(Device& device, FishBuffers& buffers);

}  // namespace sorvane
