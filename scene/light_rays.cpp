// The light rays: seeding, the wobble and pulse, the camera-facing quads.
#include "scene/light_rays.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "base/angles.h"
#include "d3dx/image_filter.h"
#include "d3dx/matrix_math.h"
#include "d3dx/texture_loader.h"
#include "device/d3d8_constants.h"
#include "base/random.h"

namespace sorvane {

namespace {

constexpr int kRayImageResource = 333;
constexpr float kRayLength = 12.5f;

}  // namespace

void LightRay::SetConstants() {
  spinRate = 8.5f;
  ringMin = 0.15f;
  ringMax = 0.35f;
  lifeMin = 50.0f;
  lifeMax = 150.0f;
  wobbleMin = 0.01f;
  wobbleMax = 0.02f;
  maxAlpha = 25.0f;
  const float inverse = 1.0f / std::sqrt(5.0f * 5.0f + 12.0f * 12.0f);
  axisX = 5.0f * inverse;
  axisY = 12.0f * inverse;
  axisZ = 0.0f;
  footHalfWidth = 0.01f;
  topHalfWidth = 0.005f;
}

void LightRay::Seed(float x, float z, bool startDark) {
  turnRate = spinRate;
  if (RandomUnit() > 0.5f) turnRate = -turnRate;
  wobbleAngle = RandomScaled(360.0f);
  placeAngle = RandomScaled(360.0f);
  const float ring = ringMin + RandomUnit() * (ringMax - ringMin);
  const float a = Radians(placeAngle);
  baseX = std::cos(a) * ring + x;
  baseY = 0.0f;
  baseZ = ring * std::sin(a) + z;
  life = static_cast<int32_t>(lifeMin + RandomUnit() * (lifeMax - lifeMin));
  wobbleShape = static_cast<int32_t>(RandomUnit() * 5.99f + 1.0f);
  wobbleRadius = wobbleMin + RandomUnit() * (wobbleMax - wobbleMin);
  pulseAngle = startDark ? -90.0f : RandomUnit() * 360.0f;
}

void LightRay::Advance() {
  wobbleAngle += turnRate;
  pulseAngle += turnRate / 3.0f;
}

bool LightRay::Build(float x, float z, const Vector3& farNormal, RayVertex* v) {
  const float theta = Radians(wobbleAngle);
  const float w = wobbleRadius;
  const float s = std::sin(theta), c = std::cos(theta);
  float dx = 0.0f, dz = 0.0f;
  switch (wobbleShape) {
    case 1: dx = c * w, dz = s * w; break;
    case 2: dx = s * w, dz = c * w; break;
    case 3: dx = s * s * w, dz = c * w; break;
    case 4: dx = s * c * w, dz = c * w; break;
    case 5: dx = c * w, dz = s * c * w; break;
    default: dx = c * w, dz = s * s * w; break;
  }
  const Vector3 foot{baseX + dx, baseY, baseZ + dz};
  const Vector3& n = farNormal;
  const Vector3 top = foot + Vector3{axisX, axisY, axisZ} * kRayLength;
  // The top projected onto the plane through the foot facing the far plane:
  // the ray's direction as seen on the screen.
  const Vector3 projected = top - n * ((Vec3Dot(n, top) - Vec3Dot(n, foot)) / Vec3Dot(n, n));
  const Vector3 e = Vec3Normalize(projected - foot);
  const Vector4 turned = Vec3Transform(e, MatrixRotationAxis(n, 1.5707964f));
  const Vector3 side{turned.x, turned.y, turned.z};

  float pulse = std::sin(Radians(pulseAngle)) + 0.5f;
  --life;
  const bool reseeded = pulse < 0.0f && life < 1;
  if (reseeded) Seed(x, z, true);
  pulse = std::clamp(pulse, 0.0f, 1.0f);
  const auto alpha = reseeded ? 0u : static_cast<uint32_t>(pulse * maxAlpha);
  // A dark ray adds nothing to the picture but would still cost a screen-tall
  // strip of blended pixels: it is folded onto its foot. The buffer is locked
  // with DISCARD, so a re-seeded ray must write its quad too.
  if (alpha == 0) {
    for (int i = 0; i < 4; ++i) v[i] = {foot.x, foot.y, foot.z, 0x00FFFFFFu, 0.5f, 1.0f};
    return !reseeded;
  }
  const uint32_t full = alpha << 24 | 0xFFFFFFu;
  const uint32_t half = (alpha / 2) << 24 | 0xFFFFFFu;
  const Vector3 p0 = foot + side * footHalfWidth;
  const Vector3 p1 = top + side * topHalfWidth;
  const Vector3 p2 = foot - side * footHalfWidth;
  const Vector3 p3 = top - side * topHalfWidth;
  v[0] = {p0.x, p0.y, p0.z, half, 0.0f, 1.0f};
  v[1] = {p1.x, p1.y, p1.z, full, 0.25f, 0.0f};
  v[2] = {p2.x, p2.y, p2.z, half, 1.0f, 1.0f};
  v[3] = {p3.x, p3.y, p3.z, full, 0.75f, 0.0f};
  return true;
}

bool CLightRays::Init(Direct3D& direct3d, Device& device, ResourceSource& resources) {
  ready_ = false;
  count_ = kCount;
  rays_.reset(new (std::nothrow) LightRay[kCount]);
  if (!rays_) return false;
  // Rewritten every frame with a discarding lock, so from the default pool.
  if (Failed(device.CreateVertexBuffer(kCount * 4 * sizeof(RayVertex), D3DUSAGE_DYNAMIC | D3DUSAGE_WRITEONLY,
                                       D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX1, D3DPOOL_DEFAULT,
                                       &vertexBuffer_))) {
    vertexBuffer_ = nullptr;
    return false;
  }
  if (Failed(device.CreateIndexBuffer(kCount * 6 * sizeof(uint16_t), D3DUSAGE_WRITEONLY, D3DFMT_INDEX16,
                                      D3DPOOL_DEFAULT, &indexBuffer_))) {
    indexBuffer_ = nullptr;
    return false;
  }
  uint8_t* data = nullptr;
  if (Failed(device.LockIndexBuffer(indexBuffer_, 0, 0, &data, 0))) return false;
  auto* indices = reinterpret_cast<uint16_t*>(data);
  for (int j = 0; j < kCount; ++j) {
    const auto b = static_cast<uint16_t>(4 * j);
    const uint16_t quad[6] = {b, static_cast<uint16_t>(b + 1), static_cast<uint16_t>(b + 2),
                              static_cast<uint16_t>(b + 3), static_cast<uint16_t>(b + 2),
                              static_cast<uint16_t>(b + 1)};
    std::copy(quad, quad + 6, indices + 6 * j);
  }
  device.UnlockIndexBuffer(indexBuffer_);
  for (int i = 0; i < kCount; ++i) rays_[i].SetConstants();
  ResourceData image;
  if (!resources.Find(kRayImageResource, &image)) return false;
  const TextureOptions options{D3DFMT_A8R8G8B8, D3DX_DEFAULT, D3DX_FILTER_BOX, 0};
  if (Failed(CreateTextureFromResourceData(direct3d, device, image.bytes, image.isBitmap, options, &texture_))) {
    texture_ = nullptr;
    return false;
  }
  ready_ = true;
  return true;
}

void CLightRays::SeedAll(float x, float /*y*/, float z) {
  if (!ready_) return;
  for (int i = 0; i < count_; ++i) rays_[i].Seed(x, z, false);
}

void CLightRays::UpdateAndDraw(CachedDevice& gpu, const Vector3& farNormal, float x, float /*y*/, float z) {
  if (!ready_) return;
  Device& device = gpu.device;
  // The ray image modulated by the vertices' pulse, added to what is behind,
  // depth-tested but not written, without fog. Stage 1 has no texture.
  gpu.SetRenderStates({{D3DRS_ZENABLE, 1},
                       {D3DRS_ZWRITEENABLE, 0},
                       {D3DRS_ALPHABLENDENABLE, 1},
                       {D3DRS_ALPHATESTENABLE, 0},
                       {D3DRS_SRCBLEND, D3DBLEND_SRCALPHA},
                       {D3DRS_DESTBLEND, D3DBLEND_ONE},
                       {D3DRS_CULLMODE, D3DCULL_NONE},
                       {D3DRS_FOGENABLE, 0}});
  gpu.SetModulatingStage(0);
  gpu.SetModulatingStage(1);
  gpu.SetLinearSampling(0);
  uint8_t* data = nullptr;
  if (Failed(device.LockVertexBuffer(vertexBuffer_, 0, 0, &data, D3DLOCK_DISCARD))) return;
  auto* vertices = reinterpret_cast<RayVertex*>(data);
  for (int i = 0; i < count_; ++i) {
    rays_[i].Advance();
    rays_[i].Build(x, z, farNormal, vertices + 4 * i);
  }
  device.UnlockVertexBuffer(vertexBuffer_);
  device.SetTexture(1, nullptr);
  device.SetTexture(0, texture_);
  device.SetIndices(indexBuffer_, 0);
  device.SetStreamSource(0, vertexBuffer_, sizeof(RayVertex));
  device.DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, count_ * 4, 0, count_ * 2);
}

void CLightRays::Release(Device& device) {
  if (vertexBuffer_ != nullptr) device.ReleaseVertexBuffer(vertexBuffer_);
  if (indexBuffer_ != nullptr) device.ReleaseIndexBuffer(indexBuffer_);
  if (texture_ != nullptr) device.ReleaseTexture(texture_);
  vertexBuffer_ = nullptr;
  indexBuffer_ = nullptr;
  texture_ = nullptr;
  rays_.reset();
  ready_ = false;
}

}  // namespace sorvane
