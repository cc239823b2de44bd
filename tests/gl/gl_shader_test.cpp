// The plant shader the module carries, assembled by d3dx and drawn through
// the device's translation, against the same vertices transformed here: the
// sway's shear by height, the world rows c8-c11 and the view × projection
// rows c0-c3. With table fog the shader's own fog value is ignored and the
// depth fogs, as under Direct3D. And the vs.1.1 rules the plant shader does
// not meet: mov a0 floors, constants read relative to a0.x, rsq of |x|, mad.
#include <bit>
#include <cmath>
#include <fstream>
#include <random>
#include <sstream>

#include "d3dx/matrix_math.h"
#include "d3dx/shader_assembler.h"
#include "d3dx/shader_declaration.h"
#include "device/shader_tokens.h"
#include "tests/gl/gl_target.h"

namespace sorvane {
namespace {

struct PlantVertex {
  float x, y, z, u0, v0, u1, v1;
};

class GlShaderTest : public GlTarget {
 protected:
  static constexpr uint32_t kWide = 64;

  void SetUp() override {
    Open(kWide, kWide);
    if (IsSkipped()) return;
    std::ifstream file(SORVANE_SHADER_TEXT);
    std::stringstream text;
    text << file.rdbuf();
    std::vector<uint32_t> tokens;
    ASSERT_TRUE(AssembleVertexShader(text.str(), &tokens));
    ASSERT_EQ(device_->CreateVertexShader(kPlantShaderDeclaration, tokens.data(), &shader_, 0), D3D_OK);
    ASSERT_EQ(device_->CreateVertexBuffer(3 * sizeof(PlantVertex), D3DUSAGE_WRITEONLY, D3DFVF_XYZ | D3DFVF_TEX2,
                                          D3DPOOL_DEFAULT, &plant_),
              D3D_OK);
    device_->SetStreamSource(0, plant_, sizeof(PlantVertex));
    device_->SetVertexShader(shader_);
    device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
    device_->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_DIFFUSE);
    device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    const float c6[4] = {1.0f, 0.875f, -0.05f, 0.0f};
    device_->SetVertexShaderConstant(6, c6, 1);
  }

  void TearDown() override {
    if (device_ != nullptr) {
      device_->ReleaseVertexBuffer(plant_);
      EXPECT_EQ(device_->DeleteVertexShader(shader_), D3D_OK);
    }
    GlTarget::TearDown();
  }

  // The constants as the renderer sets them, and the triangle.
  void DrawPlant(const std::array<Vector3, 3>& corners, float sway, const Matrix& world, const Matrix& viewProjection,
                 const Vector3& eye) {
    const Matrix vp = MatrixTranspose(viewProjection), w = MatrixTranspose(world);
    device_->SetVertexShaderConstant(0, &vp, 4);
    device_->SetVertexShaderConstant(8, &w, 4);
    const float c4[4] = {sway, 0, 0, 0}, c5[4] = {eye.x, eye.y, eye.z, 0};
    device_->SetVertexShaderConstant(4, c4, 1);
    device_->SetVertexShaderConstant(5, c5, 1);
    uint8_t* data = nullptr;
    ASSERT_EQ(device_->LockVertexBuffer(plant_, 0, 0, &data, 0), D3D_OK);
    for (int i = 0; i < 3; ++i) {
      const PlantVertex v{corners[i].x, corners[i].y, corners[i].z, 0, 0, 0, 0};
      std::memcpy(data + i * sizeof v, &v, sizeof v);
    }
    ASSERT_EQ(device_->UnlockVertexBuffer(plant_), D3D_OK);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 1), D3D_OK);
  }

  uint32_t shader_ = 0;
  VertexBuffer* plant_ = nullptr;
};

// Screen position (Direct3D pixels) and w of a corner, done on the CPU.
Vector3 Project(const Vector3& p, float sway, const Matrix& world, const Matrix& viewProjection, float size) {
  const Vector4 clip = Vec3Transform({p.x + sway * p.y, p.y, p.z}, MatrixMultiply(world, viewProjection));
  return {(clip.x / clip.w + 1.0f) * 0.5f * size, (1.0f - clip.y / clip.w) * 0.5f * size, clip.w};
}

// Signed distance of (x, y) from the edge a→b, in pixels, positive on the
// side of c.
float EdgeDistance(const Vector3& a, const Vector3& b, const Vector3& c, float x, float y) {
  const float nx = a.y - b.y, ny = b.x - a.x;
  const float length = std::sqrt(nx * nx + ny * ny);
  const float side = nx * (c.x - a.x) + ny * (c.y - a.y) < 0 ? -1.0f : 1.0f;
  return side * (nx * (x - a.x) + ny * (y - a.y)) / length;
}

TEST_F(GlShaderTest, PlantShaderPutsVerticesWhereTheCpuDoes) {
  std::mt19937 random(3);
  std::uniform_real_distribution<float> unit(-1.0f, 1.0f);
  const Matrix projection = MatrixPerspectiveFovLH(0.7853982f, 1.0f, 0.05f, 10.0f);
  int checked = 0;
  for (int round = 0; round < 30; ++round) {
    const float sway = 0.5f * unit(random);
    const Matrix world = MatrixMultiply(MatrixRotationY(3.0f * unit(random)),
                                        MatrixTranslation(0.3f * unit(random), 0.3f * unit(random), 0.0f));
    const Vector3 eye{unit(random), 0.5f * unit(random), -3.0f};
    const Matrix view = MatrixLookAtLH(eye, {0.2f * unit(random), 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f});
    const Matrix viewProjection = MatrixMultiply(view, projection);
    std::array<Vector3, 3> corners, screen;
    for (int i = 0; i < 3; ++i) {
      corners[i] = {unit(random), unit(random), unit(random)};
      screen[i] = Project(corners[i], sway, world, viewProjection, kWide);
    }
    ClearTo(0xFF000000u);
    DrawPlant(corners, sway, world, viewProjection, eye);
    Frame();
    for (uint32_t y = 0; y < kWide; ++y) {
      for (uint32_t x = 0; x < kWide; ++x) {
        const auto px = static_cast<float>(x), py = static_cast<float>(y);
        const float inside = std::min({EdgeDistance(screen[0], screen[1], screen[2], px, py),
                                       EdgeDistance(screen[1], screen[2], screen[0], px, py),
                                       EdgeDistance(screen[2], screen[0], screen[1], px, py)});
        if (std::fabs(inside) < 0.6f) continue;
        ++checked;
        EXPECT_EQ(Pixel(x, y) == 0xFFFFFFFFu, inside > 0) << "round " << round << " pixel " << x << ", " << y;
      }
    }
  }
  EXPECT_GT(checked, 30 * 64 * 50);
}

TEST_F(GlShaderTest, TableFogTakesTheDepthNotTheShadersFogValue) {
  constexpr float kStart = 1.0f, kEnd = 3.0f;
  constexpr uint32_t kFog = 0xFF000000u;
  device_->SetRenderState(D3DRS_FOGENABLE, 1);
  device_->SetRenderState(D3DRS_FOGTABLEMODE, D3DFOG_LINEAR);
  device_->SetRenderState(D3DRS_FOGSTART, std::bit_cast<uint32_t>(kStart));
  device_->SetRenderState(D3DRS_FOGEND, std::bit_cast<uint32_t>(kEnd));
  device_->SetRenderState(D3DRS_FOGCOLOR, kFog);
  const Matrix viewProjection = MatrixPerspectiveFovLH(1.5707964f, 1.0f, 0.05f, 10.0f);
  for (float depth : {1.2f, 1.6f, 2.1f, 2.7f}) {
    // A triangle facing the eye, off the axis, so that its distance from the
    // eye (the shader's fog value) differs from its depth.
    const std::array<Vector3, 3> corners = {Vector3{0.0f, 0.0f, depth}, Vector3{depth, 0.0f, depth},
                                            Vector3{0.0f, depth, depth}};
    ClearTo(0xFF000000u);
    DrawPlant(corners, 0.0f, MatrixIdentity(), viewProjection, {0.0f, 0.0f, 0.0f});
    Frame();
    const int want = static_cast<int>(std::lround(255.0f * (kEnd - depth) / (kEnd - kStart)));
    EXPECT_NEAR(Channel(Pixel(kWide / 2 + 8, kWide / 2 - 8), 1), want, 2) << "depth " << depth;
  }
}

using GlShaderRulesTest = GlTarget;

// Each rule leaves its mark on one channel of the colour: red the constant
// that a0 = floor(−1.5) = −2 picks relative to c10 (c8; c9 if a0 were cut
// toward 0), green mad, blue rsq of a negative number.
TEST_F(GlShaderRulesTest, AddressRegisterFloorsAndRsqTakesTheMagnitude) {
  using namespace vs11;
  auto dst = [](uint32_t type, uint32_t n, uint32_t mask) { return kParameterBit | type << 28 | mask << 16 | n; };
  auto src = [](uint32_t type, uint32_t n, uint32_t swizzle = kIdentitySwizzle) {
    return kParameterBit | type << 28 | swizzle << 16 | n;
  };
  constexpr uint32_t x = 1, y = 2, z = 4, xxxx = 0x00, yyyy = 0x55;
  const uint32_t tokens[] = {
      kVersionToken,
      kMov, dst(kRasterOut, 0, kFullMask), src(kInput, 0),
      kMov, dst(kAddress, 0, x), src(kConst, 0, xxxx),
      kMov, dst(kTemp, 0, kFullMask), src(kConst, 1),
      kMov, dst(kTemp, 3, kFullMask), src(kConst, 2),
      kMad, dst(kTemp, 0, kFullMask), src(kTemp, 0), src(kTemp, 3), src(kConst, 3),
      kRsq, dst(kTemp, 1, x), src(kConst, 4, xxxx),
      kMul, dst(kTemp, 1, x), src(kTemp, 1, xxxx), src(kConst, 5, xxxx),
      kMov, dst(kTemp, 2, kFullMask), src(kConst, 10) | kRelativeAddressBit,
      kMov, dst(kTemp, 2, y), src(kTemp, 0, yyyy),
      kMov, dst(kTemp, 2, z), src(kTemp, 1, xxxx),
      kMov, dst(kColourOut, 0, kFullMask), src(kTemp, 2),
      kEndToken,
  };
  const uint32_t declaration[] = {VsdStream(0), VsdReg(0, D3DVSDT_FLOAT3), VsdEnd()};
  uint32_t shader = 0;
  ASSERT_EQ(device_->CreateVertexShader(declaration, tokens, &shader, 0), D3D_OK);
  const float constants[11][4] = {{-1.5f},     {0, 0.5f},   {0, 0.6f}, {0, 0.1f}, {-0.25f}, {0.3f},
                                  {},          {},          {0.2f, 0, 0, 1}, {0.9f, 0, 0, 1}, {}};
  device_->SetVertexShaderConstant(0, constants, 11);
  device_->SetVertexShader(shader);
  device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
  device_->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_DIFFUSE);
  device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
  ClearTo(0xFF000000u);
  Quad(0, 0, kSize, kSize, 0.5f, 0);
  const uint32_t got = Frame()[0];
  EXPECT_TRUE(Near(got, 0xFF336699u)) << std::hex << got;
  EXPECT_EQ(device_->DeleteVertexShader(shader), D3D_OK);
}

}  // namespace
}  // namespace sorvane
