#include "render/fish_drawing.h"

#include <algorithm>

#include "base/angles.h"
#include "d3dx/matrix_math.h"
#include "render/fish_bend.h"
#include "device/d3d8_constants.h"
#include "scene/ground_height.h"

namespace sorvane {

namespace {

constexpr uint32_t kAlphaRef = 0xD0;
constexpr float kAlphaTestDistance = 0.3f;

class FishPass {
 public:
  FishPass(FishRenderer& r, const FishDrawTarget& t, const FishView& v) : r_(r), t_(t), view_(v) {}

  void Draw(const Fish& f, const FishMotion& m) {
    const FishModel& model = t_.models[f.species];
    if (!Reserve(static_cast<uint32_t>(t_.buffers.vertexCount[f.species]))) return;
    FishDraw draw{};
    draw.species = f.species;
    draw.baseVertex = r_.used;
    draw.alphaTest = CloserThan(f, view_.cameraX, view_.cameraZ, kAlphaTestDistance);

    MatrixStack& stack = t_.matrixStack;
    stack.Push();
    stack.Translate(f.x, GroundHeight(view_.heightGrid, f.x, f.z) + f.y, f.z);
    stack.MultMatrixLocal(MatrixRotationY(-Radians(f.heading)));
    draw.world = stack.Top();
    stack.Pop();

    const float d = std::max(AbsDistance(f.x, view_.cameraX), AbsDistance(f.z, view_.cameraZ));
    const uint32_t colour = FadeColour(d, draw.blend);
    const float turn = TurnAmount(m.diff);
    BendBody(f.tailPhase, turn, model.parts[0], m.framesInt, f.frameInStep, scratch_);
    DrawPart(model.parts[0], colour);
    for (int p = 1; p < model.partCount; ++p) {
      BendFin(turn, model.parts[p], m.framesInt, f.frameInStep, scratch_);
      DrawPart(model.parts[p], colour);
    }
    r_.pending.push_back(draw);
    ++figures.drawn;
  }

  // Unlocks the buffer and issues every recorded fish.
  void Flush() {
    if (r_.vertices == nullptr) return;
    Device& d = t_.gpu.device;
    d.UnlockVertexBuffer(t_.buffers.vertices);
    r_.vertices = nullptr;
    for (const FishDraw& f : r_.pending) {
      if (f.species != r_.boundSpecies) {
        d.SetTexture(0, t_.skins[f.species]);
        r_.boundSpecies = f.species;
      }
      // A fish close by is tested against the reference instead of blended.
      SetRS(D3DRS_ALPHATESTENABLE, f.alphaTest ? 1 : 0);
      if (f.alphaTest) SetRS(D3DRS_ALPHAREF, kAlphaRef);
      SetRS(D3DRS_ALPHABLENDENABLE, f.blend ? 1 : 0);
      d.SetTransform(D3DTS_WORLD, f.world);
      d.SetIndices(t_.buffers.indices, f.baseVertex);
      d.DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, static_cast<uint32_t>(t_.buffers.vertexCount[f.species]),
                             static_cast<uint32_t>(t_.buffers.firstIndex[f.species]),
                             static_cast<uint32_t>(t_.buffers.indexCount[f.species] / 3));
      ++figures.drawCalls;
    }
    r_.pending.clear();
    r_.used = 0;
  }

  FishPassFigures figures;

 private:
  void SetRS(uint32_t state, uint32_t value) { t_.gpu.SetRenderState(state, value); }

  // Room for n more vertices in the locked buffer; false when it can't be locked.
  bool Reserve(uint32_t n) {
    if (r_.vertices != nullptr && r_.used + n <= kFishVertexCapacity) return true;
    Flush();
    uint8_t* data = nullptr;
    if (Failed(t_.gpu.device.LockVertexBuffer(t_.buffers.vertices, 0, 0, &data, D3DLOCK_DISCARD))) return false;
    r_.vertices = reinterpret_cast<FishVertex*>(data);
    return true;
  }

  // Streams the bent part into the fish's place in the buffer: (u, 1 - v) of
  // both texture sets.
  void DrawPart(const MeshData& part, uint32_t colour) {
    FishVertex* out = r_.vertices + r_.used;
    for (int i = 0; i < part.vertexCount; ++i) {
      out[i] = {scratch_[i][0],
                scratch_[i][1],
                scratch_[i][2],
                colour,
                part.texCoords0[2 * i],
                1.0f - part.texCoords0[2 * i + 1],
                part.texCoords1[2 * i],
                1.0f - part.texCoords1[2 * i + 1]};
    }
    r_.used += static_cast<uint32_t>(part.vertexCount);
  }

  FishRenderer& r_;
  const FishDrawTarget& t_;
  const FishView& view_;
  float scratch_[kMaxFishPartVertices][3];
};

}  // namespace

void AdvanceSchool(FishRenderer& renderer, const FishView& view, Fish* fish, int32_t count, GWave& gWave) {
  renderer.moved.clear();
  for (int32_t i = 0; i < count; ++i) {
    FishMotion motion{};
    if (AdvanceFish(fish[i], gWave, view, motion)) renderer.moved.push_back({i, motion});
  }
}

FishPassFigures DrawSchool(FishRenderer& renderer, const FishDrawTarget& target, const FishView& view,
                           const Fish* fish) {
  renderer.boundSpecies = -1;
  if (!target.buffers.Ready()) return {};
  FishPass pass(renderer, target, view);
  target.gpu.device.SetVertexShader(kFishVertexFvf);
  target.gpu.device.SetStreamSource(0, target.buffers.vertices, sizeof(FishVertex));
  target.gpu.SetRenderState(D3DRS_ALPHAFUNC, D3DCMP_GREATEREQUAL);
  for (const MovedFish& moved : renderer.moved) pass.Draw(fish[moved.index], moved.motion);
  pass.Flush();
  return pass.figures;
}

}  // namespace sorvane
