// The programs the GL device builds ahead, when it is made and when a vertex
// shader is created, are those the scene draws with: every draw of several
// seeds at every detail level, through the recording device, finds its
// program among them, and each of them is drawn with. So no frame of the
// scene compiles a program, which the whole-scene test sees on the device.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <unordered_map>

#include "device/d3d8_constants.h"
#include "device/prepared_programs_gl.h"
#include "tests/support/device_recording.h"
#include "tests/support/scene_run.h"

namespace sorvane {
namespace {

std::string Describe(const StageOperation& o) {
  auto arg = [](uint8_t a) -> std::string {
    switch (a) {
      case D3DTA_DIFFUSE: return "kDiffuse";
      case D3DTA_TEXTURE: return "kTexture";
      case D3DTA_TFACTOR: return "kFactor";
      default: return "kCurrent";
    }
  };
  switch (o.op) {
    case StageOperation::kSelect: return "Select(" + arg(o.arg1) + ")";
    case StageOperation::kModulate: return "Modulate(" + arg(o.arg1) + ", " + arg(o.arg2) + ")";
    case StageOperation::kModulate2x: return "Modulate2x(" + arg(o.arg1) + ", " + arg(o.arg2) + ")";
    case StageOperation::kAdd: return "Add(" + arg(o.arg1) + ", " + arg(o.arg2) + ")";
    default: return "kPass";
  }
}

// The key as the list of prepared programs writes it.
std::string Describe(const ProgramKey& k) {
  char format[16];
  std::snprintf(format, sizeof format, "0x%03X", k.format);
  std::string text = k.shader != 0 ? "Shader(" : std::string("Format(") + format + ", ";
  for (const StageKey& s : k.stages) {
    text += "{" + Describe(s.colour) + ", " + Describe(s.alpha) + (s.biased ? ", kBiased" : "") + "}, ";
  }
  return text + "alpha test " + std::to_string(k.alphaFunc) + ", " + (k.fog ? "kFog" : "kNoFog") + ")";
}

TEST(GlProgramsTest, TheProgramsBuiltAheadAreThoseTheSceneDrawsWith) {
  std::unordered_map<ProgramKey, std::string, ProgramKeyHash> drawn;
  for (uint32_t seed : {7u, 11u, 23u, 5u}) {
    for (int detail = 1; detail <= 4; ++detail) {
      RecordingDirect3D direct3d;
      SceneRun run;
      std::string why;
      ASSERT_TRUE(run.Open(&direct3d, 1024, 768, detail, seed, &why)) << why;
      auto& device = static_cast<RecordingDevice&>(run.device());
      device.sink = [](const std::string&, const std::vector<uint64_t>&) {};
      device.keepDrawStates = true;
      for (int frame = 0; frame < 600; ++frame) {
        run.Frame();
        for (const DrawStates& d : device.drawStates) {
          DrawInputs inputs;
          inputs.vertexShader = d.vertexShader;
          inputs.shaderSlot = d.shader ? 1 : 0;
          for (uint32_t s = 0; s < ProgramKey::kStages; ++s) inputs.textured[s] = d.textures[s] != nullptr;
          drawn.emplace(ProgramKeyOf(d.states, inputs),
                        "seed " + std::to_string(seed) + " detail " + std::to_string(detail) + " frame " +
                            std::to_string(frame));
        }
        device.drawStates.clear();
      }
    }
  }
  const auto prepared = PreparedProgramKeys();
  for (const auto& [key, where] : drawn) {
    EXPECT_NE(std::find(prepared.begin(), prepared.end(), key), prepared.end())
        << "drawn with, not built ahead: " << Describe(key) << " (" << where << ")";
  }
  for (const ProgramKey& key : prepared) {
    EXPECT_TRUE(drawn.contains(key)) << "built ahead, never drawn with: " << Describe(key);
  }
}

}  // namespace
}  // namespace sorvane
