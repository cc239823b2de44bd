#include "render/fish_bend.h"

#include <algorithm>
#include <cmath>

namespace sorvane {

namespace {

constexpr float kMaxBendAngle = 1.5f;

float Clamp(float a) { return std::clamp(a, -kMaxBendAngle, kMaxBendAngle); }

// The turn bend: sideways by 0.9 × px × sin(a), a growing with px and the step wave.
void CopyBent(float turn, const MeshData& part, int w, BentPositions out) {
  const bool turning = turn >= 0.5f || turn <= -0.5f;
  for (int i = 0; i < part.vertexCount; ++i) {
    const float px = part.positions[3 * i];
    out[i][0] = px;
    out[i][1] = part.positions[3 * i + 1];
    out[i][2] = part.positions[3 * i + 2];
    if (turning) out[i][2] += 0.9f * px * std::sin(Clamp(static_cast<float>(w) * turn * px / 5.0f));
  }
}

}  // namespace

float TurnAmount(float diff) {
  const float a = std::fabs(diff);
  if (a < 50.0f) return diff * 0.6f;
  if (a < 100.0f) return diff * 0.5f;
  return diff * 0.3f;
}

int StepWave(int framesInt, int frameInStep) {
  const int half = framesInt / 2;
  return frameInStep < half ? frameInStep : framesInt - frameInStep;
}

void BendFin(float turn, const MeshData& part, int framesInt, int frameInStep, BentPositions out) {
  CopyBent(turn, part, StepWave(framesInt, frameInStep), out);
}

void BendBody(float tailPhase, float turn, const MeshData& part, int framesInt, int frameInStep,
              BentPositions out) {
  CopyBent(turn, part, StepWave(framesInt, frameInStep), out);
  for (int i = 0; i < part.vertexCount; ++i) {
    const float px = part.positions[3 * i];
    if (px < 0.0f) out[i][2] += 0.9f * px * std::sin(Clamp(tailPhase * px * 3.0f));
  }
}

uint32_t FadeColour(float d, bool& blend) {
  if (d < 0.3f) {
    blend = false;
    return 0xFFFFFFFFu;
  }
  blend = true;
  const int alpha = std::clamp(static_cast<int>(std::max(0.4f - d, 0.0f) * 2550.0f), 0, 255);
  return static_cast<uint32_t>(alpha) << 24 | 0xFFFFFFu;
}

}  // namespace sorvane
