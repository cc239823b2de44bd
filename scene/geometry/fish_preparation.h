// The fish models brought to world size once, and the buffers every fish is
// drawn through: one dynamic vertex buffer that a frame fills with all its
// fish, and one static index buffer holding each species' parts back to back.
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

// Creates the fish buffers if they don't exist yet and normalises the models
// in place: the longest body's nose ends at x = 0.0095, the fish half-turned
// about the vertical so that the head points toward +x; set 1 is scaled by
// 0.25. Nothing is normalised when the vertex buffer can't be created, and
// models already normalised are left as they are.
void PrepareFishModels(Device& device, FishBuffers& buffers, FishModelSet& models);

void ReleaseFishBuffers(Device& device, FishBuffers& buffers);

}  // namespace sorvane
