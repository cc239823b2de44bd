// Buffers and textures of the GL device as Direct3D 8 locks and samples
// them: discarding and partial locks, index buffers with a base vertex,
// texture formats and byte order, mip levels with their filters and bias.
#include <array>
#include <bit>

#include "d3dx/texture_format.h"
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

// Every format the device takes, written as d3dx packs it (Direct3D's
// layouts, B, G, R, A from the low byte up): each channel reads back as its
// bits say, and a format without alpha reads alpha 1 whatever its unused bits
// hold. Drawn over black with the texture's alpha, which shows both.
TEST_F(GlResourcesTest, TextureFormatsKeepDirect3DsLayoutAndAlpha) {
  device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
  device_->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG1);
  device_->SetRenderState(D3DRS_ALPHABLENDENABLE, 1);
  device_->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
  device_->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
  constexpr uint32_t kColour = 0xB0E07030u;
  for (uint32_t format : {D3DFMT_A8R8G8B8, D3DFMT_X8R8G8B8, D3DFMT_R8G8B8, D3DFMT_R5G6B5, D3DFMT_X1R5G5B5,
                          D3DFMT_A1R5G5B5, D3DFMT_A4R4G4B4}) {
    EXPECT_EQ(d3d_->CheckDeviceFormat(D3DFMT_X8R8G8B8, 0, D3DRTYPE_TEXTURE, format), D3D_OK) << format;
    const TextureFormatInfo& info = *FindTextureFormat(format);
    Texture* t = nullptr;
    ASSERT_EQ(device_->CreateTexture(8, 8, 1, 0, format, D3DPOOL_MANAGED, &t), D3D_OK) << format;
    textures_.push_back(t);
    uint8_t* bits = nullptr;
    int32_t pitch = 0;
    ASSERT_EQ(device_->LockTextureLevel(t, 0, &bits, &pitch), D3D_OK);
    const std::array<uint32_t, 8> row = {kColour, kColour, kColour, kColour, kColour, kColour, kColour, kColour};
    for (uint32_t y = 0; y < 8; ++y) {
      uint8_t* line = bits + y * pitch;
      PackRow(info, row.data(), 8, y, false, line);
      // The unused bits of an X format hold zeros here, not the packer's ones.
      if (format == D3DFMT_X8R8G8B8) {
        for (uint32_t x = 0; x < 8; ++x) line[4 * x + 3] = 0;
      } else if (format == D3DFMT_X1R5G5B5) {
        for (uint32_t x = 0; x < 8; ++x) line[2 * x + 1] &= 0x7F;
      }
    }
    ASSERT_EQ(device_->UnlockTextureLevel(t, 0), D3D_OK);
    ClearTo(0xFF000000u);
    device_->SetTexture(0, t);
    Quad(0, 0, kSize, kSize, 0.5f, 0xFFFFFFFFu);
    const uint32_t got = Frame()[kSize * kSize / 2 + kSize / 2];
    // Each channel as its bits hold it, 0…1.
    auto stored = [](int value, uint32_t bits) {
      if (bits == 0) return 1.0;
      const int max = (1 << bits) - 1;
      return static_cast<double>((value * max + 127) / 255) / max;
    };
    const double alpha = stored(Channel(kColour, 3), info.alphaBits);
    const uint32_t channelBits[3] = {info.blueBits, info.greenBits, info.redBits};
    for (int c = 0; c < 3; ++c) {
      EXPECT_NEAR(Channel(got, c), 255.0 * alpha * stored(Channel(kColour, c), channelBits[c]), 1.5)
          << "format " << format << " channel " << c << ": " << std::hex << got;
    }
  }
  Texture* other = nullptr;
  EXPECT_EQ(device_->CreateTexture(8, 8, 1, 0, D3DFMT_D16, D3DPOOL_MANAGED, &other), D3DERR_INVALIDCALL);
  EXPECT_EQ(d3d_->CheckDeviceFormat(D3DFMT_X8R8G8B8, 0, D3DRTYPE_TEXTURE, D3DFMT_D16), D3DERR_NOTAVAILABLE);
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
