// The fish models and their preparation, the bend, the fade, the fin flap and
// what the fish pass streams and draws.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "d3dx/matrix_math.h"
#include "scene/geometry/fin_flap.h"
#include "render/fish_bend.h"
#include "render/fish_drawing.h"
#include "device/d3d8_constants.h"
#include "tests/support/device_recording.h"
#include "scene/geometry/fish_buffers.h"
#include "scene/ground_height.h"
#include "scene/heights.h"

namespace sorvane {
namespace {

// A scene's models, prepared from the generated tables.
struct PreparedModels {
  PreparedModels() { models.Prepare(FishModelTables()); }
  const FishModel& operator[](int species) const { return models.species()[species]; }
  FishModels models;
};

float DrawnV(const MeshData& m, int i) { return 1.0f - m.texCoords0[2 * i + 1]; }

TEST(FishModels, EverySpeciesHasItsPartsInOrderWithSkinAndFinStripsInPlace) {
  const int fins[20][5] = {{7, 7, 3, 3, 36}, {3, 3, 36, 7, 7}, {7, 7, 36, 3, 3}, {3, 3, 7, 7, 36}, {7, 7, 3, 3, 36},
                           {36, 7, 7, 3, 3}, {36, 7, 7, 3, 3}, {7, 7, 3, 3, 36}, {7, 7, 3, 3, 36}, {7, 7, 3, 3, 36},
                           {36, 7, 7, 3, 3}, {7, 7, 3, 3, 36}, {5, 5, 7, 7, 36}, {5, 5, 36},       {36, 5, 5, 7, 7},
                           {36, 5, 5, 7, 7}, {5, 5, 36},       {36, 7, 7, 3, 3}, {36, 5, 5, 7, 7}, {36, 5, 5, 7, 7}};
  auto indicesOf = [](int vertices) { return vertices == 3 ? 6 : vertices == 5 ? 18 : vertices == 7 ? 30 : 168; };
  const FishModelSet& set = FishModelTables();
  for (int s = 0; s < 20; ++s) {
    const FishModel& model = set.species[s];
    const int finCount = (s == 13 || s == 16) ? 3 : 5;
    ASSERT_EQ(model.partCount, 1 + finCount) << s;
    EXPECT_EQ(model.parts[0].vertexCount, s == 10 ? 184 : 185);
    EXPECT_EQ(model.parts[0].indexCount, 1122);
    for (int p = 1; p <= finCount; ++p) {
      EXPECT_EQ(model.parts[p].vertexCount, fins[s][p - 1]) << s << " " << p;
      EXPECT_EQ(model.parts[p].indexCount, indicesOf(fins[s][p - 1])) << s << " " << p;
    }
    for (int p = 0; p < model.partCount; ++p) {
      const MeshData& m = model.parts[p];
      for (int i = 0; i < m.indexCount; ++i) ASSERT_LT(m.indices[i], m.vertexCount);
      for (int i = 0; i < m.vertexCount; ++i) {
        ASSERT_TRUE(std::isfinite(m.positions[3 * i]) && std::isfinite(m.positions[3 * i + 1]) &&
                    std::isfinite(m.positions[3 * i + 2]));
        const float v = DrawnV(m, i);
        const float lowest = p > 0 ? 0.75f : 0.0f;  // fins on the fin strip
        EXPECT_TRUE(v >= lowest - 1e-6f && v <= 1.0f + 1e-6f) << s << " " << p;
      }
    }
  }
}

TEST(FishModels, PreparationBringsTheModelsToWorldSizeHeadTowardPlusX) {
  const FishModelSet& tables = FishModelTables();
  PreparedModels copy;
  RecordingDevice device;
  FishBuffers buffers;
  CreateFishBuffers(device, buffers, copy.models.species());
  ASSERT_TRUE(buffers.Ready());
  float longest = -1e9f, reference = 10.0f;
  for (int s = 0; s < 20; ++s) {
    const MeshData& was = tables.species[s].parts[0];
    for (int i = 0; i < was.vertexCount; ++i) reference = std::min(reference, was.positions[3 * i]);
  }
  for (int s = 0; s < 20; ++s) {
    const MeshData& was = tables.species[s].parts[0];
    const MeshData& body = copy[s].parts[0];
    float maxX = -1e9f, minX = 1e9f, wasMin = 1e9f, wasMax = -1e9f;
    for (int i = 0; i < body.vertexCount; ++i) {
      maxX = std::max(maxX, body.positions[3 * i]);
      minX = std::min(minX, body.positions[3 * i]);
      wasMin = std::min(wasMin, was.positions[3 * i]);
      wasMax = std::max(wasMax, was.positions[3 * i]);
      if (body.texCoords0[2 * i] == 0.0f && DrawnV(body, i) < 0.75f) {
        EXPECT_GT(body.positions[3 * i], 0.0f) << "the nose points to +x";
      }
      EXPECT_EQ(body.texCoords0[2 * i], was.texCoords0[2 * i]);
      EXPECT_EQ(body.texCoords1[2 * i + 1], was.texCoords1[2 * i + 1] * 0.25f);
      EXPECT_GT(body.positions[3 * i + 1] * was.positions[3 * i + 1], -1e-12f) << "y stays up";
    }
    longest = std::max(longest, maxX);
    // One scale for all species: the extents keep their proportions.
    EXPECT_NEAR((maxX - minX) / (wasMax - wasMin), 0.0095f / -reference, 1e-6f);
  }
  EXPECT_FLOAT_EQ(longest, 0.0095f);

  // Each species' indices back to back, offset by the parts before them.
  const auto& ib = RecordingDevice::Buffer(buffers.indices).bytes;
  const auto* index = reinterpret_cast<const uint16_t*>(ib.data());
  const FishModel& three = copy[3];
  EXPECT_EQ(index[buffers.firstIndex[3]], three.parts[0].indices[0]);
  EXPECT_EQ(index[buffers.firstIndex[3] + 1122], three.parts[1].indices[0] + 185);
  EXPECT_EQ(buffers.vertexCount[13], 185 + 5 + 5 + 36);

  const float x = copy[0].parts[0].positions[0];
  copy.models.Prepare(tables);
  EXPECT_EQ(copy[0].parts[0].positions[0], x) << "prepared from the tables again, not scaled twice";
  ReleaseFishBuffers(device, buffers);
}

TEST(FishBend, StraightSwimmersKeepTheirFinsAndBendsStayWithinTheirClamps) {
  PreparedModels copy;
  const MeshData& body = copy[4].parts[0];
  const MeshData& fin = copy[4].parts[5];
  float out[kMaxFishPartVertices][3];
  BendFin(0.49f, fin, 30, 15, out);
  for (int i = 0; i < fin.vertexCount; ++i) {
    EXPECT_EQ(std::memcmp(out[i], fin.positions + 3 * i, sizeof out[i]), 0) << "unbent while swimming straight";
  }
  for (float turn : {-120.0f, -27.0f, 0.0f, 0.6f, 30.0f, 300.0f}) {
    for (float tail : {-12.9f, 0.0f, 10.0f}) {
      for (int frame : {0, 7, 15, 29}) {
        BendBody(tail, turn, body, 30, frame, out);
        for (int i = 0; i < body.vertexCount; ++i) {
          const float px = body.positions[3 * i], dz = out[i][2] - body.positions[3 * i + 2];
          ASSERT_EQ(out[i][0], px);
          ASSERT_EQ(out[i][1], body.positions[3 * i + 1]);
          const float turnPart = std::fabs(turn) >= 0.5f ? 0.9f * std::fabs(px) * std::sin(1.5f) : 0.0f;
          const float wagPart = px < 0 ? 0.9f * std::fabs(px) * std::sin(1.5f) : 0.0f;
          ASSERT_LE(std::fabs(dz), turnPart + wagPart + 1e-7f);
          if (frame == 0) {
            ASSERT_LE(std::fabs(dz), wagPart + 1e-7f) << "a step starts unbent";
          }
        }
      }
    }
  }
  EXPECT_FLOAT_EQ(TurnAmount(40), 24);
  EXPECT_FLOAT_EQ(TurnAmount(-60), -30);
  EXPECT_FLOAT_EQ(TurnAmount(135), 40.5f);
}

TEST(FishBend, FishFadeFromOpaqueAt03ToNothingAt04) {
  bool blend = true;
  EXPECT_EQ(FadeColour(0.29f, blend), 0xFFFFFFFFu);
  EXPECT_FALSE(blend);
  EXPECT_EQ(FadeColour(0.35f, blend) >> 24, 127u);
  EXPECT_TRUE(blend);
  EXPECT_EQ(FadeColour(0.4f, blend), 0x00FFFFFFu);
  uint32_t last = 255;
  for (float d = 0.3f; d < 0.45f; d += 0.001f) {
    const uint32_t alpha = FadeColour(d, blend) >> 24;
    EXPECT_LE(alpha, last);
    last = alpha;
  }
}

TEST(FinFlap, SideFinsSwingInStrokesOf21CyclesBetweenMinus0002AndPlus00001) {
  PreparedModels copy;
  const float start = copy[0].parts[3].positions[0];
  const float third = copy[0].parts[3].positions[6];
  const float still = copy[2].parts[4].positions[0];
  FinFlap flap;
  float low = start, high = start;
  std::vector<int> turns;
  float previous = start;
  int direction = -1;
  for (int cycle = 1; cycle <= 200; ++cycle) {
    FlapFins(flap, copy.models);
    const float x = copy[0].parts[3].positions[0];
    const int now = x > previous ? 1 : -1;
    if (now != direction) turns.push_back(cycle);
    direction = now;
    previous = x;
    low = std::min(low, x);
    high = std::max(high, x);
    EXPECT_NEAR(copy[0].parts[3].positions[6] - third, x - start, 1e-8f) << "both free corners move";
  }
  EXPECT_NEAR(low, start - 0.002f, 1e-8f);
  EXPECT_NEAR(high, start + 0.0001f, 1e-8f);
  ASSERT_GE(turns.size(), 3u);
  EXPECT_EQ(turns[0], 21) << "the first stroke is 20 cycles";
  EXPECT_EQ(turns[1] - turns[0], 21);
  EXPECT_EQ(turns[2] - turns[1], 21);
  EXPECT_EQ(copy[2].parts[4].positions[0], still) << "species 2 does not flap";
  for (int s = 0; s < 20; ++s) EXPECT_EQ(SideFinsFlap(s), s <= 11 && s != 2);
}

TEST(FishPass, EachFishIsStreamedBentAndDrawnWithOneCallOfItsSpecies) {
  PreparedModels copy;
  RecordingDevice device;
  FishBuffers buffers;
  CreateFishBuffers(device, buffers, copy.models.species());
  NavigationMap map;
  ASSERT_TRUE(map.Allocate());
  FillCellClasses(map.cellClass);
  BuildLevelLayers(map);
  std::vector<float> heights(kHeightGridPoints, 0.0f);
  FishViewPlane planes[6];
  for (FishViewPlane& p : planes) p = {0, 0, 0, 1};

  Fish fish[3]{};
  const int species[3] = {4, 4, 13};
  for (int i = 0; i < 3; ++i) {
    Fish& f = fish[i];
    f.species = static_cast<uint8_t>(species[i]);
    f.cellX = 100;
    f.cellY = static_cast<int16_t>(100 + 5 * i);
    f.x = CellCentre(f.cellX) + 0.005f;
    f.z = CellCentre(f.cellY);
    f.y = 0.05f;
    f.level = 3;
    f.framesPerCell = 30;
    f.tailStep = 3;
    f.tailPhase = 4;
    f.steps[0] = {0, 1};
    f.routeLength = 1;
    f.stepHeading = 0;
    f.heading = 10;
    f.frameInStep = 9;
  }
  const float cameraX = fish[0].x - 0.35f, cameraZ = fish[0].z;
  FishRenderer renderer;
  Texture* skins[20] = {};
  StateCache cache;
  CachedDevice gpu{device, cache};
  MatrixStack stack;
  const FishDrawTarget target{gpu, stack, buffers, copy.models.species(), skins};
  const auto moveAndDraw = [&](const FishView& view, int count) {
    AdvanceSchool(renderer, view, fish, count, map.gWave);
    return DrawSchool(renderer, target, view, fish);
  };
  const FishPassFigures figures = moveAndDraw({cameraX, cameraZ, heights.data(), &GroundHeight, planes}, 3);
  EXPECT_EQ(figures.drawn, 3);
  EXPECT_EQ(figures.drawCalls, 3);
  EXPECT_EQ(device.Count("LockVertexBuffer"), 1u) << "one lock for the frame";
  std::vector<RecordedCall> draws;
  for (const RecordedCall& c : device.calls()) {
    if (c.name == "DrawIndexedPrimitive") draws.push_back(c);
  }
  ASSERT_EQ(draws.size(), 3u);
  EXPECT_EQ(draws[2].args, (std::vector<uint64_t>{D3DPT_TRIANGLELIST, 0, 231, static_cast<uint64_t>(buffers.firstIndex[13]),
                                                   static_cast<uint64_t>(buffers.indexCount[13] / 3)}));

  // The first fish's vertices: its body bent by the turn toward its step and
  // wagged, its colour faded, both texture sets turned over.
  const auto* v = reinterpret_cast<const FishVertex*>(RecordingDevice::Buffer(buffers.vertices).bytes.data());
  const MeshData& body = copy[4].parts[0];
  float bent[kMaxFishPartVertices][3];
  BendBody(fish[0].tailPhase, TurnAmount(90.0f), body, 30, fish[0].frameInStep, bent);
  bool blend = false;
  const uint32_t colour = FadeColour(std::fabs(fish[0].x - cameraX), blend);
  EXPECT_TRUE(blend);
  for (int i = 0; i < body.vertexCount; ++i) {
    ASSERT_EQ(v[i].x, bent[i][0]);
    ASSERT_EQ(v[i].z, bent[i][2]);
    ASSERT_EQ(v[i].colour, colour);
    ASSERT_EQ(v[i].tv0, 1.0f - body.texCoords0[2 * i + 1]);
    ASSERT_EQ(v[i].tu1, body.texCoords1[2 * i]);
  }
  const MeshData& fin = copy[4].parts[1];
  EXPECT_EQ(v[185].x, fin.positions[0]) << "the fins follow the body in drawing order";

  // A fish close by is drawn opaque and alpha-tested, one farther off blended
  // again, whichever came before.
  device.keepDrawStates = true;
  for (float distance : {0.1f, 0.35f, 0.1f}) {
    device.drawStates.clear();
    moveAndDraw({fish[0].x - distance, fish[0].z, heights.data(), &GroundHeight, planes}, 1);
    ASSERT_EQ(device.drawStates.size(), 1u);
    const DeviceStates& s = device.drawStates[0].states;
    const bool near = distance < 0.3f;
    EXPECT_EQ(s.render[D3DRS_ALPHABLENDENABLE], near ? 0u : 1u) << distance;
    EXPECT_EQ(s.render[D3DRS_ALPHATESTENABLE], near ? 1u : 0u) << distance;
    if (near) {
      EXPECT_EQ(s.render[D3DRS_ALPHAREF], 0xD0u);
    }
  }
  ReleaseFishBuffers(device, buffers);
}

}  // namespace
}  // namespace sorvane
