// Buffers and textures of the GL device as Direct3D 8 locks and samples
// them: discarding and partial locks, index buffers with a base vertex,
// texture formats and byte order, mip levels with their filters and bias.
#include <array>
#include <bit>

#include "tests/gl/gl_target.h"

namespace sorvane {
namespace {

using GlResourcesTest = GlTarget;

// A lock of part of a buffer writes that part only; a discarding lock at an
// offset leaves the draws queued before it with what they read, and what it
// writes at the offset is drawn from there.
TEST_F(GlResourcesTest, LocksWriteTheirRangeAndDiscardKeepsQueuedDraws) {
  device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
  const TestVertex left[6] = {At(0, 0, 0.5f, 0xFFFF0000u), At(16, 0, 0.5f, 0xFFFF0000u), At(0, 32, 0.5f, 0xFFFF0000u),
                              At(16, 0, 0.5f, 0xFFFF0000u), At(16, 32, 0.5f, 0xFFFF0000u), At(0, 32, 0.5f, 0xFFFF0000u)};
  const TestVertex right[6] = {At(16, 0, 0.5f, 0xFF00FF00u),  At(32, 0, 0.5f, 0xFF00FF00u),
                               At(16, 32, 0.5f, 0xFF00FF00u), At(32, 0, 0.5f, 0xFF00FF00u),
                               At(32, 32, 0.5f, 0xFF00FF00u), At(16, 32, 0.5f, 0xFF00FF00u)};
  uint8_t* data = nullptr;
  ASSERT_EQ(device_->LockVertexBuffer(vertices_, 0, 0, &data, 0), D3D_OK);
  std::memcpy(data, left, sizeof left);
  std::memcpy(data + sizeof left, right, sizeof right);
  ASSERT_EQ(device_->UnlockVertexBuffer(vertices_), D3D_OK);
  ClearTo(0xFF000000u);
  ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
  // Recolour the right quad only, through a lock of its bytes.
  ASSERT_EQ(device_->LockVertexBuffer(vertices_, sizeof left, sizeof right, &data, 0), D3D_OK);
  for (int i = 0; i < 6; ++i) std::memcpy(data + i * sizeof(TestVertex) + 12, "\xFF\x00\x00\xFF", 4);
  ASSERT_EQ(device_->UnlockVertexBuffer(vertices_), D3D_OK);
  ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 4), D3D_OK);
  Frame();
  EXPECT_EQ(Pixel(4, 4), 0xFFFF0000u) << "the left quad kept its bytes";
  EXPECT_EQ(Pixel(28, 4), 0xFF0000FFu) << "the right quad took the new colour (B, G, R, A in memory)";

  // Draw the left quad, then discard the buffer and write a quad at an offset.
  ClearTo(0xFF000000u);
  ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
  ASSERT_EQ(device_->LockVertexBuffer(vertices_, 12 * sizeof(TestVertex), sizeof right, &data, D3DLOCK_DISCARD), D3D_OK);
  std::memcpy(data, right, sizeof right);
  ASSERT_EQ(device_->UnlockVertexBuffer(vertices_), D3D_OK);
  ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 12, 2), D3D_OK);
  Frame();
  EXPECT_EQ(Pixel(4, 4), 0xFFFF0000u) << "a draw queued before the discard";
  EXPECT_EQ(Pixel(28, 4), 0xFF00FF00u) << "the quad written at the offset";

  // Locks outside the buffer, a second lock, and draws past its end are refused.
  const uint32_t length = kVertexCapacity * sizeof(TestVertex);
  EXPECT_EQ(device_->LockVertexBuffer(vertices_, length, 0, &data, 0), D3DERR_INVALIDCALL);
  EXPECT_EQ(device_->LockVertexBuffer(vertices_, 8, length, &data, 0), D3DERR_INVALIDCALL);
  ASSERT_EQ(device_->LockVertexBuffer(vertices_, 0, 0, &data, 0), D3D_OK);
  EXPECT_EQ(device_->LockVertexBuffer(vertices_, 0, 0, &data, 0), D3DERR_INVALIDCALL);
  EXPECT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 1), D3DERR_INVALIDCALL) << "drawn while locked";
  ASSERT_EQ(device_->UnlockVertexBuffer(vertices_), D3D_OK);
  EXPECT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, kVertexCapacity - 2, 1), D3DERR_INVALIDCALL);
}

// Indices count from the base vertex; a strip's triangles alternate their
// order and are all drawn with culling on.
TEST_F(GlResourcesTest, IndexedStripsCountFromTheBaseVertex) {
  // Vertices 0-3 off the screen; 4-7 a strip over the left half, then a
  // triangle list over the right half from 8 on.
  std::array<TestVertex, 12> v;
  for (int i = 0; i < 4; ++i) v[i] = At(-20, -20, 0.5f, 0xFFFF0000u);
  v[4] = At(0, 0, 0.5f, 0xFF00FF00u), v[5] = At(16, 0, 0.5f, 0xFF00FF00u);
  v[6] = At(0, 32, 0.5f, 0xFF00FF00u), v[7] = At(16, 32, 0.5f, 0xFF00FF00u);
  v[8] = At(16, 0, 0.5f, 0xFF0000FFu), v[9] = At(32, 0, 0.5f, 0xFF0000FFu);
  v[10] = At(16, 32, 0.5f, 0xFF0000FFu), v[11] = At(32, 32, 0.5f, 0xFF0000FFu);
  uint8_t* data = nullptr;
  ASSERT_EQ(device_->LockVertexBuffer(vertices_, 0, 0, &data, 0), D3D_OK);
  std::memcpy(data, v.data(), sizeof v);
  ASSERT_EQ(device_->UnlockVertexBuffer(vertices_), D3D_OK);
  IndexBuffer* indices = nullptr;
  const uint16_t strip[] = {0, 1, 2, 3, 0, 1, 2, 1, 3, 2};
  ASSERT_EQ(device_->CreateIndexBuffer(sizeof strip, D3DUSAGE_WRITEONLY, D3DFMT_INDEX16, D3DPOOL_DEFAULT, &indices),
            D3D_OK);
  ASSERT_EQ(device_->LockIndexBuffer(indices, 0, 0, &data, 0), D3D_OK);
  std::memcpy(data, strip, sizeof strip);
  ASSERT_EQ(device_->UnlockIndexBuffer(indices), D3D_OK);
  device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_CCW);
  ClearTo(0xFF000000u);
  ASSERT_EQ(device_->SetIndices(indices, 4), D3D_OK);
  ASSERT_EQ(device_->DrawIndexedPrimitive(D3DPT_TRIANGLESTRIP, 0, 4, 0, 2), D3D_OK);
  ASSERT_EQ(device_->SetIndices(indices, 8), D3D_OK);
  ASSERT_EQ(device_->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 4, 4, 2), D3D_OK);
  EXPECT_EQ(device_->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 4, 6, 2), D3DERR_INVALIDCALL) << "past the indices";
  EXPECT_EQ(device_->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, kVertexCapacity, 0, 1), D3DERR_INVALIDCALL)
      << "past the vertices";
  Frame();
  for (uint32_t y : {1u, 16u, 30u}) {
    EXPECT_EQ(Pixel(3, y), 0xFF00FF00u);
    EXPECT_EQ(Pixel(12, y), 0xFF00FF00u);
    EXPECT_EQ(Pixel(20, y), 0xFF0000FFu);
    EXPECT_EQ(Pixel(30, y), 0xFF0000FFu);
  }
  device_->ReleaseIndexBuffer(indices);
}

// Texels are 0xAARRGGBB words (B, G, R, A in memory); X8R8G8B8 reads alpha 1
// whatever its top byte holds.
TEST_F(GlResourcesTest, TextureFormatsKeepDirect3DsByteOrderAndAlpha) {
  device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
  device_->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG1);
  device_->SetRenderState(D3DRS_ALPHABLENDENABLE, 1);
  device_->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
  device_->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
  Texture* withAlpha = SolidTexture(D3DFMT_A8R8G8B8, 8, std::array{0x00C08040u});
  Texture* without = SolidTexture(D3DFMT_X8R8G8B8, 8, std::array{0x00C08040u});
  ClearTo(0xFF000000u);
  device_->SetTexture(0, withAlpha);
  Quad(0, 0, 16, 32, 0.5f, 0xFFFFFFFFu);
  device_->SetTexture(0, without);
  Quad(16, 0, 32, 32, 0.5f, 0xFFFFFFFFu);
  Frame();
  EXPECT_EQ(Pixel(8, 8), 0xFF000000u) << "alpha 0 adds nothing";
  EXPECT_EQ(Pixel(24, 8), 0xFFC08040u) << "X8R8G8B8 is opaque";
  Texture* other = nullptr;
  EXPECT_EQ(device_->CreateTexture(8, 8, 1, 0, D3DFMT_R5G6B5, D3DPOOL_MANAGED, &other), D3DERR_INVALIDCALL);
  EXPECT_EQ(d3d_->CheckDeviceFormat(D3DFMT_X8R8G8B8, 0, D3DRTYPE_TEXTURE, D3DFMT_R8G8B8), D3DERR_NOTAVAILABLE);
  EXPECT_EQ(d3d_->CheckDeviceFormat(D3DFMT_X8R8G8B8, 0, D3DRTYPE_TEXTURE, D3DFMT_A8R8G8B8), D3D_OK);
}

// Each level holds what its lock wrote. A quad drawn at half the texture's
// size samples level 1 with mip filtering and level 0 without; a bias of
// −1 takes it back to level 0.
TEST_F(GlResourcesTest, MipLevelsFollowTheMipFilterAndBias) {
  constexpr uint32_t kLevels[] = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFF00u, 0xFF00FFFFu};
  Texture* t = SolidTexture(D3DFMT_X8R8G8B8, 16, kLevels);
  device_->SetTexture(0, t);
  device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
  struct Case {
    uint32_t mip;
    float bias;
    uint32_t want;
  };
  for (const Case c : {Case{D3DTEXF_NONE, 0.0f, kLevels[0]}, Case{D3DTEXF_POINT, 0.0f, kLevels[1]},
                       Case{D3DTEXF_POINT, -1.0f, kLevels[0]}, Case{D3DTEXF_POINT, 1.0f, kLevels[2]}}) {
    device_->SetTextureStageState(0, D3DTSS_MIPFILTER, c.mip);
    device_->SetTextureStageState(0, D3DTSS_MIPMAPLODBIAS, std::bit_cast<uint32_t>(c.bias));
    ClearTo(0xFF000000u);
    Quad(0, 0, 8, 8, 0.5f, 0xFFFFFFFFu);
    EXPECT_EQ(Frame()[3 * kSize + 3], c.want) << "mip filter " << c.mip << " bias " << c.bias;
  }
  // Point sampling takes one texel; linear sampling between two of a 2 × 1
  // stripe gives their mean at the middle.
  Texture* stripes = nullptr;
  ASSERT_EQ(device_->CreateTexture(2, 1, 1, 0, D3DFMT_X8R8G8B8, D3DPOOL_MANAGED, &stripes), D3D_OK);
  textures_.push_back(stripes);
  uint8_t* bits = nullptr;
  int32_t pitch = 0;
  ASSERT_EQ(device_->LockTextureLevel(stripes, 0, &bits, &pitch), D3D_OK);
  const uint32_t texels[2] = {0xFF000000u, 0xFFC8C8C8u};
  std::memcpy(bits, texels, sizeof texels);
  ASSERT_EQ(device_->UnlockTextureLevel(stripes, 0), D3D_OK);
  device_->SetTexture(0, stripes);
  device_->SetTextureStageState(0, D3DTSS_MIPFILTER, D3DTEXF_NONE);
  for (uint32_t filter : {D3DTEXF_POINT, D3DTEXF_LINEAR}) {
    device_->SetTextureStageState(0, D3DTSS_MAGFILTER, filter);
    device_->SetTextureStageState(0, D3DTSS_MINFILTER, filter);
    ClearTo(0xFF000000u);
    Quad(0, 0, 32, 32, 0.5f, 0xFFFFFFFFu);
    const uint32_t middle = Frame()[16 * kSize + 16];
    EXPECT_TRUE(Near(middle, filter == D3DTEXF_LINEAR ? 0xFF646464u : 0xFFC8C8C8u, 8)) << std::hex << middle;
  }
}

}  // namespace
}  // namespace sorvane
