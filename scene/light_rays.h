// Faint shafts of sunlight around the camera: 220 long, tapered quads facing
// the viewer that wander on small curves, pulse, and are seeded anew around
// the camera once they have lived their span and gone dark.
#pragma once
#include <cstdint>
#include <memory>

#include "device/device.h"
#include "base/vector.h"
#include "device/cached_device.h"
#include "scene/resource_source.h"

namespace sorvane {

// Position, colour and one texture pair (D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX1).
struct RayVertex {
  float x, y, z;
  uint32_t colour;
  float u, v;
};
static_assert(sizeof(RayVertex) == 24);

struct LightRay {
  float baseX = 0, baseY = 0, baseZ = 0;
  float axisX = 0, axisY = 0, axisZ = 0;
  float footHalfWidth = 0.01f;
  float topHalfWidth = 0.005f;
  float wobbleAngle = 0;
  float placeAngle = 0;
  float pulseAngle = 0;
  float turnRate = 0;
  float wobbleRadius = 0;
  int32_t life = 0;
  int32_t wobbleShape = 1;
  float spinRate = 8.5f;
  float ringMin = 0.15f, ringMax = 0.35f;
  float lifeMin = 50.0f, lifeMax = 150.0f;
  float wobbleMin = 0.01f, wobbleMax = 0.02f;
  float maxAlpha = 25.0f;

  // Sets the constants and the axis (5, 12, 0) normalised.
  void SetConstants();
  void Seed(float x, float z, bool startDark);
  void Advance();
  // Writes the ray's four vertices, folded onto the foot while it is dark; a
  // ray that has run out and gone dark is seeded anew (false).
  // `farNormal` is the normal of the frame's far plane.
  bool Build(float x, float z, const Vector3& farNormal, RayVertex* vertices);
};

class CLightRays {
 public:
  static constexpr int kCount = 220;

  // False when the rays, a buffer or the texture cannot be made; such a
  // system draws nothing.
  bool Init(Direct3D& direct3d, Device& device, ResourceSource& resources);
  void SeedAll(float x, float y, float z);
  void UpdateAndDraw(CachedDevice& gpu, const Vector3& farNormal, float x, float y, float z);
  void Release(Device& device);

  bool Ready() const { return ready_; }
  LightRay* Rays() { return rays_.get(); }
  VertexBuffer* Vertices() const { return vertexBuffer_; }

 private:
  std::unique_ptr<LightRay[]> rays_;
  int count_ = 0;
  VertexBuffer* vertexBuffer_ = nullptr;
  IndexBuffer* indexBuffer_ = nullptr;
  Texture* texture_ = nullptr;
  bool ready_ = false;
};

}  // namespace sorvane
