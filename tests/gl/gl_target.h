// A small offscreen GL device for pixel tests: quads and triangles in
// Direct3D's screen coordinates (pixel centres on whole numbers, y down),
// drawn with identity transforms, and the frame read back. A machine without
// an EGL display skips the tests, as Direct3D's own tests skip what a device
// lacks.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "device/d3d8_constants.h"
#include "device/device_gl.h"

namespace sorvane {

struct TestVertex {
  float x, y, z;
  uint32_t colour;
  float u, v;
};
constexpr uint32_t kTestFvf = D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX1;

class GlTarget : public ::testing::Test {
 protected:
  static constexpr uint32_t kSize = 32;
  static constexpr uint32_t kVertexCapacity = 96;

  void SetUp() override { Open(kSize, kSize); }

  void Open(uint32_t width, uint32_t height) {
    width_ = width;
    height_ = height;
    d3d_ = CreateGlDirect3D({nullptr, 0, width, height});
    if (d3d_ == nullptr) GTEST_SKIP() << "no EGL display with an OpenGL ES 3.0 context on this machine";
    PresentParameters p;
    p.backBufferWidth = width;
    p.backBufferHeight = height;
    p.backBufferFormat = D3DFMT_X8R8G8B8;
    p.enableAutoDepthStencil = true;
    p.autoDepthStencilFormat = D3DFMT_D16;
    ASSERT_EQ(d3d_->CreateDevice(nullptr, D3DCREATE_HARDWARE_VERTEXPROCESSING, &p, &device_), D3D_OK);
    ASSERT_EQ(device_->CreateVertexBuffer(kVertexCapacity * sizeof(TestVertex), D3DUSAGE_DYNAMIC | D3DUSAGE_WRITEONLY,
                                          kTestFvf, D3DPOOL_DEFAULT, &vertices_),
              D3D_OK);
    device_->SetVertexShader(kTestFvf);
    device_->SetStreamSource(0, vertices_, sizeof(TestVertex));
    device_->SetRenderState(D3DRS_LIGHTING, 0);
  }

  void TearDown() override {
    if (device_ != nullptr) {
      for (Texture* t : textures_) device_->ReleaseTexture(t);
      device_->ReleaseVertexBuffer(vertices_);
      device_->Release();
    }
    if (d3d_ != nullptr) d3d_->Release();
  }

  // Screen x, y (Direct3D's pixels) to the clip space an identity transform passes on.
  TestVertex At(float x, float y, float z, uint32_t colour, float u = 0.0f, float v = 0.0f) const {
    return {2.0f * x / static_cast<float>(width_) - 1.0f, 1.0f - 2.0f * y / static_cast<float>(height_), z, colour,
            u, v};
  }

  void Draw(std::span<const TestVertex> v) {
    uint8_t* data = nullptr;
    ASSERT_EQ(device_->LockVertexBuffer(vertices_, 0, 0, &data, D3DLOCK_DISCARD), D3D_OK);
    std::memcpy(data, v.data(), v.size_bytes());
    ASSERT_EQ(device_->UnlockVertexBuffer(vertices_), D3D_OK);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, static_cast<uint32_t>(v.size() / 3)), D3D_OK);
  }

  // A rectangle from (x0, y0) to (x1, y1), clockwise on the screen; texture
  // coordinates 0…1 across it.
  void Quad(float x0, float y0, float x1, float y1, float z, uint32_t colour) {
    const TestVertex v[6] = {At(x0, y0, z, colour, 0, 0), At(x1, y0, z, colour, 1, 0), At(x0, y1, z, colour, 0, 1),
                             At(x1, y0, z, colour, 1, 0), At(x1, y1, z, colour, 1, 1), At(x0, y1, z, colour, 0, 1)};
    Draw(v);
  }

  void ClearTo(uint32_t colour) { device_->Clear(D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, colour, 1.0f, 0); }

  // Presents and reads the frame back.
  const std::vector<uint32_t>& Frame() {
    device_->Present();
    uint32_t w = 0, h = 0;
    EXPECT_TRUE(ReadGlFrame(*device_, &w, &h, &frame_));
    EXPECT_EQ(w, width_);
    EXPECT_EQ(h, height_);
    frame_.resize(size_t{width_} * height_);
    return frame_;
  }
  uint32_t Pixel(uint32_t x, uint32_t y) const { return frame_[size_t{y} * width_ + x]; }

  // A texture whose every level is filled with one 0xAARRGGBB value.
  Texture* SolidTexture(uint32_t format, uint32_t size, std::span<const uint32_t> levelColours) {
    Texture* t = nullptr;
    EXPECT_EQ(device_->CreateTexture(size, size, static_cast<uint32_t>(levelColours.size()), 0, format,
                                     D3DPOOL_MANAGED, &t),
              D3D_OK);
    if (t == nullptr) return nullptr;
    textures_.push_back(t);
    for (uint32_t level = 0; level < levelColours.size(); ++level) {
      uint8_t* bits = nullptr;
      int32_t pitch = 0;
      EXPECT_EQ(device_->LockTextureLevel(t, level, &bits, &pitch), D3D_OK);
      const uint32_t side = std::max(size >> level, 1u);
      for (uint32_t y = 0; y < side; ++y) {
        for (uint32_t x = 0; x < side; ++x) std::memcpy(bits + y * pitch + 4 * x, &levelColours[level], 4);
      }
      EXPECT_EQ(device_->UnlockTextureLevel(t, level), D3D_OK);
    }
    return t;
  }

  Direct3D* d3d_ = nullptr;
  Device* device_ = nullptr;
  VertexBuffer* vertices_ = nullptr;
  std::vector<Texture*> textures_;
  uint32_t width_ = 0, height_ = 0;
  std::vector<uint32_t> frame_;
};

// Channel c (0 blue, 1 green, 2 red, 3 alpha) of a 0xAARRGGBB colour.
inline int Channel(uint32_t colour, int c) { return static_cast<int>(colour >> (8 * c) & 0xFF); }

// True when red, green and blue each lie within `tolerance` of the other's.
inline bool Near(uint32_t a, uint32_t b, int tolerance = 2) {
  for (int c = 0; c < 3; ++c) {
    if (std::abs(Channel(a, c) - Channel(b, c)) > tolerance) return false;
  }
  return true;
}

}  // namespace sorvane
