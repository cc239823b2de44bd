// The colour of a pixel through the GL device, against Direct3D 8's
// documented rules: the two texture stages with their operations and
// arguments, the alpha test with ALPHAREF and ALPHAFUNC, and blending.
#include <algorithm>
#include <array>
#include <random>

#include "tests/gl/gl_target.h"

namespace sorvane {
namespace {

struct Rgba {
  std::array<int, 4> c;  // blue, green, red, alpha, as Channel numbers them
};

Rgba Split(uint32_t colour) { return {{Channel(colour, 0), Channel(colour, 1), Channel(colour, 2), Channel(colour, 3)}}; }

struct StageSetup {
  uint32_t colourOp, colourArg1, colourArg2, alphaOp, alphaArg1, alphaArg2;
  bool texture;
};

constexpr uint32_t kDiffuse = 0xB45ADC8Cu, kFactor = 0x3C96821Eu;
constexpr uint32_t kTexel[2] = {0x64C82878u, 0xE63CAAFAu};

// What Direct3D 8 computes: each stage works on the one before ("current",
// the diffuse colour at stage 0) until a stage whose colour operation is
// DISABLE; a disabled alpha operation keeps the current alpha; an operation
// that reads the texture of a stage without one passes the current value on.
Rgba Expected(const std::array<StageSetup, 2>& stages) {
  const Rgba diffuse = Split(kDiffuse), factor = Split(kFactor);
  Rgba current = diffuse;
  for (int s = 0; s < 2; ++s) {
    const StageSetup& st = stages[s];
    if (st.colourOp == D3DTOP_DISABLE) break;
    const Rgba texture = Split(kTexel[s]);
    auto apply = [&](uint32_t op, uint32_t arg1, uint32_t arg2, int channel) {
      const bool readsTexture =
          (arg1 == D3DTA_TEXTURE && op != D3DTOP_SELECTARG2) || (arg2 == D3DTA_TEXTURE && op != D3DTOP_SELECTARG1);
      if (op == D3DTOP_DISABLE || (readsTexture && !st.texture)) return current.c[channel];
      auto arg = [&](uint32_t a) {
        switch (a) {
          case D3DTA_DIFFUSE: return diffuse.c[channel];
          case D3DTA_TEXTURE: return texture.c[channel];
          case D3DTA_TFACTOR: return factor.c[channel];
          default: return current.c[channel];
        }
      };
      switch (op) {
        case D3DTOP_SELECTARG1: return arg(arg1);
        case D3DTOP_SELECTARG2: return arg(arg2);
        case D3DTOP_MODULATE2X: return std::min(255, (2 * arg(arg1) * arg(arg2) + 127) / 255);
        case D3DTOP_ADD: return std::min(255, arg(arg1) + arg(arg2));
        default: return (arg(arg1) * arg(arg2) + 127) / 255;
      }
    };
    Rgba next;
    for (int c = 0; c < 3; ++c) next.c[c] = apply(st.colourOp, st.colourArg1, st.colourArg2, c);
    next.c[3] = apply(st.alphaOp, st.alphaArg1, st.alphaArg2, 3);
    current = next;
  }
  return current;
}

class GlColourTest : public GlTarget {
 protected:
  static constexpr uint32_t kWide = 64;
  void SetUp() override { Open(kWide, kWide); }
};

// Random set-ups of both stages, each drawn twice: opaque, which shows the
// colour, and blended over black, which shows colour × alpha.
TEST_F(GlColourTest, TextureStagesComputeWhatDirect3DDocuments) {
  Texture* textures[2] = {SolidTexture(D3DFMT_A8R8G8B8, 4, std::array{kTexel[0]}),
                          SolidTexture(D3DFMT_A8R8G8B8, 4, std::array{kTexel[1]})};
  device_->SetRenderState(D3DRS_TEXTUREFACTOR, kFactor);
  device_->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
  device_->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
  constexpr uint32_t kOps[] = {D3DTOP_DISABLE,  D3DTOP_SELECTARG1,  D3DTOP_SELECTARG2,
                               D3DTOP_MODULATE, D3DTOP_MODULATE2X, D3DTOP_ADD};
  constexpr uint32_t kArgs[] = {D3DTA_DIFFUSE, D3DTA_CURRENT, D3DTA_TEXTURE, D3DTA_TFACTOR};
  std::mt19937 random(5);
  auto pick = [&](const auto& from) { return from[random() % std::size(from)]; };
  constexpr uint32_t kCell = 2, kCells = kWide / kCell;
  ClearTo(0xFF000000u);
  std::vector<std::array<StageSetup, 2>> drawn;
  for (uint32_t cell = 0; cell < kCells * kCells / 2; ++cell) {
    std::array<StageSetup, 2> stages;
    for (uint32_t s = 0; s < 2; ++s) {
      stages[s] = {pick(kOps), pick(kArgs), pick(kArgs), pick(kOps), pick(kArgs), pick(kArgs), random() % 3 != 0};
      const StageSetup& st = stages[s];
      for (auto [type, value] : {std::pair{D3DTSS_COLOROP, st.colourOp}, {D3DTSS_COLORARG1, st.colourArg1},
                                 {D3DTSS_COLORARG2, st.colourArg2}, {D3DTSS_ALPHAOP, st.alphaOp},
                                 {D3DTSS_ALPHAARG1, st.alphaArg1}, {D3DTSS_ALPHAARG2, st.alphaArg2}}) {
        device_->SetTextureStageState(s, type, value);
      }
      device_->SetTexture(s, st.texture ? textures[s] : nullptr);
    }
    drawn.push_back(stages);
    const auto x = static_cast<float>(cell % (kCells / 2) * 2 * kCell), y = static_cast<float>(cell / (kCells / 2) * kCell);
    device_->SetRenderState(D3DRS_ALPHABLENDENABLE, 0);
    Quad(x, y, x + kCell, y + kCell, 0.5f, kDiffuse);
    device_->SetRenderState(D3DRS_ALPHABLENDENABLE, 1);
    Quad(x + kCell, y, x + 2 * kCell, y + kCell, 0.5f, kDiffuse);
  }
  Frame();
  for (uint32_t cell = 0; cell < drawn.size(); ++cell) {
    const Rgba want = Expected(drawn[cell]);
    const uint32_t x = cell % (kCells / 2) * 2 * kCell, y = cell / (kCells / 2) * kCell;
    const uint32_t opaque = Pixel(x, y), blended = Pixel(x + kCell, y);
    bool right = true;
    for (int c = 0; c < 3; ++c) {
      right = right && std::abs(Channel(opaque, c) - want.c[c]) <= 2 &&
              std::abs(Channel(blended, c) - (want.c[c] * want.c[3] + 127) / 255) <= 3;
    }
    auto describe = [](const StageSetup& st) {
      return std::to_string(st.colourOp) + "(" + std::to_string(st.colourArg1) + "," + std::to_string(st.colourArg2) +
             ") alpha " + std::to_string(st.alphaOp) + "(" + std::to_string(st.alphaArg1) + "," +
             std::to_string(st.alphaArg2) + ") texture " + std::to_string(st.texture);
    };
    EXPECT_TRUE(right) << "stage 0 " << describe(drawn[cell][0]) << "; stage 1 " << describe(drawn[cell][1]) << ": "
                       << std::hex << opaque << ", " << blended;
  }
}

// D3DCMP_NEVER (1) … D3DCMP_ALWAYS (8) less one is a mask of less (1),
// equal (2) and greater (4).
bool Compare(uint32_t func, int a, int ref) { return ((func - 1) >> (a < ref ? 0 : a == ref ? 1 : 2) & 1) != 0; }

// ALPHAREF is 0…255 and compares with the pixel's alpha as ALPHAFUNC says,
// also where the two are equal.
TEST_F(GlColourTest, AlphaTestComparesWithAlphaRef) {
  device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
  device_->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_DIFFUSE);
  device_->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_DIFFUSE);
  device_->SetRenderState(D3DRS_ALPHATESTENABLE, 1);
  constexpr int kAlphas[] = {0, 1, 99, 100, 101, 159, 160, 161, 207, 208, 209, 254, 255};
  for (uint32_t func = 1; func <= 8; ++func) {
    for (int ref : {0, 100, 160, 208, 255}) {
      device_->SetRenderState(D3DRS_ALPHAFUNC, func);
      device_->SetRenderState(D3DRS_ALPHAREF, static_cast<uint32_t>(ref));
      ClearTo(0xFF000000u);
      for (int i = 0; i < static_cast<int>(std::size(kAlphas)); ++i) {
        const auto x = static_cast<float>(i * 4);
        Quad(x, 0, x + 4, 4, 0.5f, static_cast<uint32_t>(kAlphas[i]) << 24 | 0xFFFFFFu);
      }
      Frame();
      for (int i = 0; i < static_cast<int>(std::size(kAlphas)); ++i) {
        EXPECT_EQ(Pixel(i * 4 + 1, 1) == 0xFFFFFFFFu, Compare(func, kAlphas[i], ref))
            << "func " << func << " ref " << ref << " alpha " << kAlphas[i];
      }
    }
  }
}

// Blending with the factors the frame uses, and Direct3D's default factors
// (ONE, ZERO), which replace what was there.
TEST_F(GlColourTest, BlendingMixesWithTheFrame) {
  device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
  device_->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_DIFFUSE);
  device_->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_DIFFUSE);
  constexpr uint32_t kBackground = 0xFF4080C0u, kColour = 0x60F02010u;
  const int a = Channel(kColour, 3);
  struct Case {
    uint32_t src, dst;  // 0: the defaults
    int (*mix)(int colour, int background, int alpha);
  };
  const Case cases[] = {
      {0, 0, [](int c, int, int) { return c; }},
      {D3DBLEND_SRCALPHA, D3DBLEND_INVSRCALPHA, [](int c, int b, int al) { return (c * al + b * (255 - al) + 127) / 255; }},
      {D3DBLEND_SRCALPHA, D3DBLEND_ONE, [](int c, int b, int al) { return std::min(255, (c * al + 127) / 255 + b); }},
  };
  device_->SetRenderState(D3DRS_ALPHABLENDENABLE, 1);
  for (const Case& c : cases) {
    if (c.src != 0) {
      device_->SetRenderState(D3DRS_SRCBLEND, c.src);
      device_->SetRenderState(D3DRS_DESTBLEND, c.dst);
    }
    ClearTo(kBackground);
    Quad(0, 0, kSize, kSize, 0.5f, kColour);
    const uint32_t got = Frame()[0];
    for (int ch = 0; ch < 3; ++ch) {
      EXPECT_NEAR(Channel(got, ch), c.mix(Channel(kColour, ch), Channel(kBackground, ch), a), 2)
          << "blend " << c.src << ", " << c.dst << " channel " << ch;
    }
  }
}

}  // namespace
}  // namespace sorvane
