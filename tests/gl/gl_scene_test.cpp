// The real renderer through the GL device: the whole scene offscreen at
// 1024 × 768 for a few hundred frames with the calculation cycle between
// them, none of which builds a program, released at the end, with a last
// frame that shows the scene.
#include <gtest/gtest.h>

#include <set>

#include "device/device_gl.h"
#include "tests/gl/gl_target.h"
#include "tests/support/scene_run.h"

namespace sorvane {
namespace {

TEST(GlSceneTest, DrawsTheWholeSceneFrameAfterFrame) {
  constexpr uint32_t kWidth = 1024, kHeight = 768;
  std::vector<uint32_t> pixels;
  {
    Direct3D* direct3d = CreateGlDirect3D({nullptr, 0, kWidth, kHeight});
    if (direct3d == nullptr) GTEST_SKIP() << "no EGL display with an OpenGL ES 3.0 context";
    SceneRun run;
    std::string why;
    ASSERT_TRUE(run.Open(direct3d, kWidth, kHeight, 2, 7, &why)) << why;
    EXPECT_TRUE(run.scene().resources.shaderReady) << "the device took the plant shader";
    for (int n = 0; n < 300; ++n) ASSERT_EQ(run.Frame(), FrameResult::Presented) << "frame " << n;
    EXPECT_EQ(GlProgramsBuiltAtDraw(run.device()), 0u) << "every program was built with the scene";
    uint32_t width = 0, height = 0;
    ASSERT_TRUE(ReadGlFrame(run.device(), &width, &height, &pixels));
    ASSERT_EQ(width, kWidth);
    ASSERT_EQ(height, kHeight);
  }
  // Blue water above, with the fog where the view ends; sand below (red and
  // green over blue, as in its texture); the variety of a textured picture.
  size_t water = 0, sand = 0;
  std::set<uint32_t> colours;
  for (uint32_t y = 0; y < kHeight; ++y) {
    for (uint32_t x = 0; x < kWidth; ++x) {
      const uint32_t p = pixels[size_t{y} * kWidth + x];
      const int r = Channel(p, 2), g = Channel(p, 1), b = Channel(p, 0);
      if (y < kHeight / 2) water += b > r + 40 && g > r;
      if (y >= kHeight / 2) sand += r >= b && g >= b;
      colours.insert(p);
    }
  }
  const size_t half = size_t{kWidth} * kHeight / 2;
  EXPECT_GT(water, half / 2) << "water-blue pixels in the upper half";
  EXPECT_GT(sand, half / 10) << "sand-coloured pixels in the lower half";
  EXPECT_GT(colours.size(), 10000u) << "distinct colours";
}

}  // namespace
}  // namespace sorvane
