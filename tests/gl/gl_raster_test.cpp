// Where the GL device puts pixels and which it keeps, against Direct3D 8's
// rules: pixel centres on whole coordinates with the top-left fill rule, the
// winding each cull mode removes, the depth test, and fog linear in the
// eye's depth.
#include <algorithm>
#include <bit>
#include <cmath>
#include <random>

#include "tests/gl/gl_target.h"

namespace sorvane {
namespace {

using GlRasterTest = GlTarget;

// Direct3D samples pixel (x, y) at (x, y): a screen-aligned rectangle covers
// exactly the pixels whose centres it holds, its left and top edges included.
// Corners on half pixels show where the centres are, corners on whole
// pixels how edges through them fall.
TEST_F(GlRasterTest, RectanglesCoverThePixelCentresTheyHold) {
  std::mt19937 random(19);
  std::uniform_int_distribution<int> halfPixels(-1, 2 * kSize + 1);
  device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
  for (int round = 0; round < 60; ++round) {
    float x0 = 0.5f * halfPixels(random), x1 = 0.5f * halfPixels(random);
    float y0 = 0.5f * halfPixels(random), y1 = 0.5f * halfPixels(random);
    if (x0 > x1) std::swap(x0, x1);
    if (y0 > y1) std::swap(y0, y1);
    ClearTo(0xFF000000u);
    Quad(x0, y0, x1, y1, 0.5f, 0xFFFFFFFFu);
    Frame();
    int wrong = 0;
    for (uint32_t y = 0; y < kSize; ++y) {
      for (uint32_t x = 0; x < kSize; ++x) {
        const auto px = static_cast<float>(x), py = static_cast<float>(y);
        const bool inside = px >= x0 && px < x1 && py >= y0 && py < y1;
        wrong += (Pixel(x, y) == 0xFFFFFFFFu) != inside;
      }
    }
    EXPECT_EQ(wrong, 0) << "rectangle x " << x0 << ".." << x1 << ", y " << y0 << ".." << y1;
  }
}

// D3DCULL_CW removes triangles that run clockwise on the screen, D3DCULL_CCW
// those that run counter-clockwise, and the default is D3DCULL_CCW.
TEST_F(GlRasterTest, CullModesRemoveTheWindingDirect3DNames) {
  const TestVertex clockwise[3] = {At(2, 2, 0.5f, 0xFFFFFFFFu), At(14, 2, 0.5f, 0xFFFFFFFFu),
                                   At(2, 14, 0.5f, 0xFFFFFFFFu)};
  const TestVertex counter[3] = {At(18, 2, 0.5f, 0xFFFFFFFFu), At(18, 14, 0.5f, 0xFFFFFFFFu),
                                 At(30, 2, 0.5f, 0xFFFFFFFFu)};
  struct Case {
    uint32_t mode;  // 0: the device's default
    bool clockwiseDrawn, counterDrawn;
  };
  for (const Case c : {Case{0, true, false}, Case{D3DCULL_NONE, true, true}, Case{D3DCULL_CW, false, true},
                       Case{D3DCULL_CCW, true, false}}) {
    if (c.mode != 0) device_->SetRenderState(D3DRS_CULLMODE, c.mode);
    ClearTo(0xFF000000u);
    Draw(clockwise);
    Draw(counter);
    Frame();
    EXPECT_EQ(Pixel(5, 5) == 0xFFFFFFFFu, c.clockwiseDrawn) << "cull mode " << c.mode;
    EXPECT_EQ(Pixel(21, 5) == 0xFFFFFFFFu, c.counterDrawn) << "cull mode " << c.mode;
  }
}

// The default z function is LESSEQUAL: a second quad at the same depth
// passes; LESS keeps the first. Without z writes a farther quad still
// passes; without the z test everything does.
TEST_F(GlRasterTest, DepthTestFollowsZFuncZWriteAndZEnable) {
  constexpr uint32_t kFirst = 0xFF0000FFu, kSecond = 0xFF00FF00u;
  auto drawPair = [&](float secondZ) {
    ClearTo(0xFF000000u);
    Quad(0, 0, kSize, kSize, 0.5f, kFirst);
    Quad(0, 0, kSize, kSize, secondZ, kSecond);
    return Frame()[0];
  };
  EXPECT_EQ(drawPair(0.5f), kSecond) << "LESSEQUAL by default";
  device_->SetRenderState(D3DRS_ZFUNC, D3DCMP_LESS);
  EXPECT_EQ(drawPair(0.5f), kFirst) << "LESS keeps the first at equal depth";
  EXPECT_EQ(drawPair(0.25f), kSecond) << "LESS takes a nearer one";
  device_->SetRenderState(D3DRS_ZWRITEENABLE, 0);
  EXPECT_EQ(drawPair(0.75f), kSecond) << "the first wrote no depth";
  device_->SetRenderState(D3DRS_ZWRITEENABLE, 1);
  EXPECT_EQ(drawPair(0.75f), kFirst);
  device_->SetRenderState(D3DRS_ZENABLE, 0);
  EXPECT_EQ(drawPair(0.75f), kSecond) << "no depth test";
  // A clear reaches the depth buffer even while z writes are off.
  device_->SetRenderState(D3DRS_ZENABLE, 1);
  device_->SetRenderState(D3DRS_ZWRITEENABLE, 1);
  Quad(0, 0, kSize, kSize, 0.1f, kSecond);
  device_->SetRenderState(D3DRS_ZWRITEENABLE, 0);
  ClearTo(0xFF000000u);
  Quad(0, 0, kSize, kSize, 0.9f, kFirst);
  EXPECT_EQ(Frame()[0], kFirst);
}

// Table fog, linear: f = (end − d) / (end − start) for the eye's depth d,
// clamped to 0…1; the colour is f × colour + (1 − f) × fog colour.
TEST_F(GlRasterTest, LinearTableFogFollowsTheEyeDepth) {
  constexpr float kNear = 0.1f, kFar = 20.0f, kStart = 1.0f, kEnd = 5.0f;
  // A left-handed perspective projection with a 90° view: x and y ±d fill the
  // screen at depth d.
  Matrix projection{};
  projection.m[0][0] = projection.m[1][1] = 1.0f;
  projection.m[2][2] = kFar / (kFar - kNear);
  projection.m[2][3] = 1.0f;
  projection.m[3][2] = -kNear * kFar / (kFar - kNear);
  device_->SetTransform(D3DTS_PROJECTION, projection);
  device_->SetRenderState(D3DRS_FOGENABLE, 1);
  device_->SetRenderState(D3DRS_FOGTABLEMODE, D3DFOG_LINEAR);
  device_->SetRenderState(D3DRS_FOGSTART, std::bit_cast<uint32_t>(kStart));
  device_->SetRenderState(D3DRS_FOGEND, std::bit_cast<uint32_t>(kEnd));
  constexpr uint32_t kFog = 0xFF2040C0u, kColour = 0xFFF0C020u;
  device_->SetRenderState(D3DRS_FOGCOLOR, kFog);
  device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
  for (float d : {0.5f, 1.0f, 1.8f, 2.5f, 3.3f, 4.6f, 5.0f, 8.0f}) {
    ClearTo(0xFF000000u);
    const TestVertex v[6] = {{-d, d, d, kColour, 0, 0},  {d, d, d, kColour, 0, 0},  {-d, -d, d, kColour, 0, 0},
                             {d, d, d, kColour, 0, 0},   {d, -d, d, kColour, 0, 0}, {-d, -d, d, kColour, 0, 0}};
    Draw(v);
    const uint32_t got = Frame()[kSize / 2 * kSize + kSize / 2];
    const float f = std::clamp((kEnd - d) / (kEnd - kStart), 0.0f, 1.0f);
    uint32_t want = 0xFF000000u;
    for (int c = 0; c < 3; ++c) {
      const float mixed = f * static_cast<float>(Channel(kColour, c)) + (1 - f) * static_cast<float>(Channel(kFog, c));
      want |= static_cast<uint32_t>(std::lround(mixed)) << (8 * c);
    }
    EXPECT_TRUE(Near(got, want)) << "depth " << d << ": " << std::hex << got << " for " << want;
  }
  // Fog off, or a table mode of none, leaves the colour as it is.
  for (uint32_t state : {D3DRS_FOGENABLE, D3DRS_FOGTABLEMODE}) {
    device_->SetRenderState(state, 0);
    ClearTo(0xFF000000u);
    const float d = 3.0f;
    const TestVertex v[3] = {{-d, d, d, kColour, 0, 0}, {3 * d, d, d, kColour, 0, 0}, {-d, -3 * d, d, kColour, 0, 0}};
    Draw(v);
    EXPECT_EQ(Frame()[kSize / 2 * kSize + kSize / 2], kColour) << "state " << state;
    device_->SetRenderState(state, state == D3DRS_FOGENABLE ? 1 : D3DFOG_LINEAR);
  }
}

}  // namespace
}  // namespace sorvane
