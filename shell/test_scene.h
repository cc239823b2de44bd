// A test's fixed scene for the Windows saver, from the environment variable
// SORVANE_TEST_SCENE, "SEED FRAMES": the seabed grows from SEED instead of the
// clock, the plants' sway holds still, and drawing stops after FRAMES frames,
// so that a screenshot shows the frame the Linux hack's --snapshot draws for
// the same seed. Absent or malformed, the saver runs as always.
#pragma once
#include <cstdint>
#include <optional>

namespace sorvane {

constexpr const char* kTestSceneVariable = "SORVANE_TEST_SCENE";

struct TestScene {
  uint32_t seed = 0;
  uint32_t frames = 0;
};

// Two whole decimal numbers, the second at least 1; anything else is none.
std::optional<TestScene> ParseTestScene(const char* text);

}  // namespace sorvane
