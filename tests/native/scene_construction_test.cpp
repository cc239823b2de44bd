// Scene initialisation and construction: the resources made and loaded, the
// seabed tiles with their neighbours, strip and heights, the colour schemes,
// and releasing only what exists after a failure.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>

#include "device/d3d8_constants.h"
#include "scene/colour_scheme.h"
#include "scene_test_support.h"

namespace sorvane {
namespace {

TEST(SceneConstruction, LoadsAll97TexturesFromTheGeneratedImages) {
  TestScene t;
  ASSERT_TRUE(t.source.opened);
  ASSERT_TRUE(t.ok) << "error " << t.error;
  EXPECT_EQ(std::count(t.scene->resources.textures.begin(), t.scene->resources.textures.end(), nullptr), 0);
  // The light-ray image besides the 97.
  EXPECT_EQ(t.device().Count("CreateTexture"), static_cast<size_t>(kTextureCount + 1));
  std::set<Texture*> distinct(t.scene->resources.textures.begin(), t.scene->resources.textures.end());
  EXPECT_EQ(distinct.size(), static_cast<size_t>(kTextureCount));

  // The light-ray image and the shader text first, then every texture once,
  // in load order.
  const std::vector<int>& ids = t.source.requested;
  ASSERT_EQ(ids.size(), static_cast<size_t>(kTextureCount + 2));
  EXPECT_EQ(ids[0], 333);
  EXPECT_EQ(ids[1], 400);
  EXPECT_EQ(ids[2], 102);
  EXPECT_EQ(ids[2 + kFirstFishTexture + 3], 256) << "species 3 skips the id 255";
  EXPECT_EQ(ids[2 + kWideTexture], 245);
  EXPECT_EQ(std::count(ids.begin(), ids.end(), 255), 0);
  EXPECT_TRUE(t.scene->resources.shaderReady);
  EXPECT_NE(t.scene->resources.shaderHandle, 0u);

  const RecordedTexture& sand = RecordingDevice::Of(t.scene->resources.textures[kSandTexture]);
  EXPECT_EQ(sand.width, 256u);
  const RecordedTexture& shimmer = RecordingDevice::Of(t.scene->resources.textures[kFirstShimmerTexture]);
  EXPECT_EQ(shimmer.width, 32u);
  EXPECT_EQ(shimmer.format, D3DFMT_A8R8G8B8);
}

TEST(SceneConstruction, CyrillicUsersGetTheirWideImage) {
  SceneSettings s = TestScene::DefaultSettings();
  s.cyrillicLocale = true;
  TestScene t(7, s);
  ASSERT_TRUE(t.ok);
  EXPECT_EQ(t.source.requested[2 + kWideTexture], 450);
}

TEST(SceneConstruction, SeabedStripCoversEveryCellWithTwoTriangles) {
  TestScene t;
  ASSERT_TRUE(t.ok);
  const RecordedBuffer& b = RecordingDevice::Buffer(t.scene->resources.seabedIndexBuffer);
  ASSERT_EQ(b.bytes.size(), kSeabedIndexCount * sizeof(uint16_t));
  EXPECT_EQ(b.formatOrFvf, D3DFMT_INDEX16);
  const auto* idx = reinterpret_cast<const uint16_t*>(b.bytes.data());
  EXPECT_EQ(idx[574], 272);
  EXPECT_EQ(idx[575], 272);
  std::set<std::array<int, 3>> triangles;
  for (uint32_t i = 0; i < kSeabedStripTriangles; ++i) {
    std::array<int, 3> tri{idx[i], idx[i + 1], idx[i + 2]};
    if (tri[0] == tri[1] || tri[1] == tri[2] || tri[0] == tri[2]) continue;
    int rows[3], columns[3];
    for (int k = 0; k < 3; ++k) {
      rows[k] = tri[k] / kTileGridVertices;
      columns[k] = tri[k] % kTileGridVertices;
    }
    EXPECT_LE(*std::max_element(rows, rows + 3) - *std::min_element(rows, rows + 3), 1);
    EXPECT_LE(*std::max_element(columns, columns + 3) - *std::min_element(columns, columns + 3), 1);
    std::sort(tri.begin(), tri.end());
    triangles.insert(tri);
  }
  EXPECT_EQ(triangles.size(), 2u * 16 * 16);
}

TEST(SceneConstruction, NeighbourListsHold9_15And25TilesTheTileItselfIncluded) {
  TestScene t;
  ASSERT_TRUE(t.ok);
  const SeabedTile* tiles = t.scene->world.tiles.get();
  EXPECT_EQ(tiles[0].neighbourCount, 9);
  EXPECT_EQ(tiles[0].neighbours[0].tile, 0);
  EXPECT_EQ(tiles[0].neighbours[0].columnOffset, 0);
  EXPECT_EQ(tiles[0].neighbours[0].rowOffset, 0);
  EXPECT_EQ(tiles[24].neighbourCount, 9);
  EXPECT_EQ(tiles[624].neighbourCount, 9);
  EXPECT_EQ(tiles[12].neighbourCount, 15);
  EXPECT_EQ(tiles[12 * 25].neighbourCount, 15);
  EXPECT_EQ(tiles[12 * 25 + 12].neighbourCount, 25);
  EXPECT_EQ(tiles[1].neighbourCount, 12);
  for (int i = 0; i < kTileCount; ++i) {
    const SeabedTile& tile = tiles[i];
    ASSERT_EQ(tile.index, i);
    std::set<int> seen;
    for (int n = 0; n < tile.neighbourCount; ++n) {
      const TileNeighbour& e = tile.neighbours[n];
      const SeabedTile& other = tiles[e.tile];
      EXPECT_EQ(e.columnOffset, std::abs(other.column - tile.column));
      EXPECT_EQ(e.rowOffset, std::abs(other.row - tile.row));
      EXPECT_LE(std::max(e.columnOffset, e.rowOffset), 2);
      seen.insert(e.tile);
    }
    EXPECT_EQ(seen.size(), static_cast<size_t>(tile.neighbourCount));
    EXPECT_EQ(seen.count(i), 1u);
  }
}

TEST(SceneConstruction, TileVerticesCarryTheHeightsAndNeighboursShareTheirBorders) {
  TestScene t;
  ASSERT_TRUE(t.ok);
  const float* h = t.scene->world.heightGrid.get();
  const SeabedTile* tiles = t.scene->world.tiles.get();
  auto vertex = [&](int tr, int tc, int i, int j) {
    return BufferAs<SceneryVertex>(t.scene->resources.tileBuffers[tr * 25 + tc])[i * kTileGridVertices + j];
  };
  for (int tr = 0; tr < kTilesPerSide; ++tr) {
    for (int tc = 0; tc < kTilesPerSide; ++tc) {
      const RecordedBuffer& b = RecordingDevice::Buffer(t.scene->resources.tileBuffers[tr * 25 + tc]);
      ASSERT_EQ(b.bytes.size(), 8092u);
      EXPECT_EQ(b.formatOrFvf, D3DFVF_XYZ | D3DFVF_TEX2);
      float low = 1.0f, high = -1.0f;
      for (int i = 0; i < kTileGridVertices; ++i) {
        for (int j = 0; j < kTileGridVertices; ++j) {
          const SceneryVertex v = vertex(tr, tc, i, j);
          ASSERT_EQ(v.y, h[(16 * tr + i) * 401 + 16 * tc + j]);
          EXPECT_FLOAT_EQ(v.x, j / 50.0f);
          EXPECT_FLOAT_EQ(v.z, i / 50.0f);
          EXPECT_EQ(v.tu0, 0.5f * j);
          EXPECT_EQ(v.tv1, 0.25f * i);
          low = std::min(low, v.y);
          high = std::max(high, v.y);
        }
      }
      EXPECT_FLOAT_EQ(tiles[tr * 25 + tc].centreHeight, low + (high - low) * 0.5f);
      for (int k = 0; k < kTileGridVertices && tc + 1 < kTilesPerSide; ++k) {
        ASSERT_EQ(vertex(tr, tc, k, 16).y, vertex(tr, tc + 1, k, 0).y);
      }
      for (int k = 0; k < kTileGridVertices && tr + 1 < kTilesPerSide; ++k) {
        ASSERT_EQ(vertex(tr, tc, 16, k).y, vertex(tr + 1, tc, 0, k).y);
      }
    }
  }
  EXPECT_EQ(vertex(0, 0, 0, 0).y, h[0]);
  EXPECT_EQ(vertex(24, 24, 16, 16).y, h[401 * 401 - 1]);
}

TEST(SceneConstruction, CellCodesMarginsAndTheCameraStartCell) {
  TestScene t;
  ASSERT_TRUE(t.ok);
  const World& s = t.scene->world;
  std::array<int, 256> counts{};
  for (int i = 0; i < kGridCells; ++i) ++counts[s.map.cellGrid[i]];
  for (int code : {7, 13, 41, 42}) EXPECT_EQ(counts[code], 0) << "code " << code << " has weight 0";
  EXPECT_GT(counts[kMarginCode], 0);
  EXPECT_EQ(s.weights, t.settings.counts.instanceCounts);
  EXPECT_EQ(s.fishCount, 6500);
  // The level-pair grids start as copies of the cell grid with the margins.
  EXPECT_GT(std::count(s.map.levelPairGrids[0].get(), s.map.levelPairGrids[0].get() + kGridCells, kMarginCode), 0);
  const Cell c = s.cameraStartCell;
  EXPECT_GE(c.column, 100);
  EXPECT_LE(c.column, 300);
  EXPECT_GE(c.row, 100);
  EXPECT_LE(c.row, 300);
  EXPECT_LE(s.map.cellGrid[CellIndex(c.column, c.row)], 1);
  EXPECT_FLOAT_EQ(s.cameraStartX, c.column * 0.02f + 0.01f);
  EXPECT_FLOAT_EQ(s.cameraStartZ, c.row * 0.02f + 0.01f);
}

TEST(SceneConstruction, TheSameSeedGrowsTheSameSeabed) {
  TestScene a(99), b(99), c(100);
  ASSERT_TRUE(a.ok && b.ok && c.ok);
  EXPECT_TRUE(std::equal(a.scene->world.heightGrid.get(), a.scene->world.heightGrid.get() + kHeightGridPoints,
                         b.scene->world.heightGrid.get()));
  EXPECT_TRUE(std::equal(a.scene->world.map.cellGrid.get(), a.scene->world.map.cellGrid.get() + kGridCells,
                         b.scene->world.map.cellGrid.get()));
  EXPECT_FALSE(std::equal(a.scene->world.map.cellGrid.get(), a.scene->world.map.cellGrid.get() + kGridCells,
                          c.scene->world.map.cellGrid.get()));
}

void ExpectBackdrop(const Scene& s, const ColourScheme& want) {
  struct V {
    float x, y, z;
    uint32_t colour;
  };
  const V* v = BufferAs<V>(s.resources.backdrop);
  for (int i = 0; i < 18; ++i) {
    EXPECT_EQ(v[i].z, 0.5f);
    if (v[i].y <= -0.02f) {
      EXPECT_EQ(v[i].colour, want.backdropColour) << i;
    }
    if (v[i].y == 0.13f) {
      EXPECT_EQ(v[i].colour, 0xFF000000u | want.surfaceColour) << i;
    }
    if (v[i].y == 0.25f) {
      EXPECT_EQ(v[i].colour, want.surfaceColour) << i;
    }
  }
}

TEST(SceneConstruction, EveryColourSchemeRowSetsClearFogBackdropAndSurface) {
  const ColourScheme rows[3] = {
      {0x165675, 0xFF165675, 0x0FA1C4}, {0x0C376B, 0xFF0C376B, 0x0570BA}, {0x001E47, 0xFF001E47, 0x00548C}};
  for (int setting : {0, 1, 2, 4, -1}) {
    SceneSettings s = TestScene::DefaultSettings();
    s.colorScheme = setting;
    TestScene t(3, s);
    ASSERT_TRUE(t.ok);
    const ColourScheme& want = rows[setting == 1 || setting == 2 ? setting : 0];
    EXPECT_EQ(t.scene->resources.colours.clearColour, want.clearColour);
    ExpectBackdrop(*t.scene, want);
    const auto& calls = t.device().calls();
    auto fog = std::find_if(calls.begin(), calls.end(), [](const RecordedCall& c) {
      return c.name == "SetRenderState" && c.args[0] == D3DRS_FOGCOLOR;
    });
    ASSERT_NE(fog, calls.end());
    EXPECT_EQ(fog->args[1], want.clearColour);
  }
}

TEST(SceneConstruction, RandomColourSchemeDrawsEachRowAndNothingElse) {
  std::array<int, 3> seen{};
  for (uint32_t seed = 1; seed <= 300; ++seed) {
    SeedRandom(seed);
    const int row = ColourSchemeRow(kRandomColourScheme);
    ASSERT_GE(row, 0);
    ASSERT_LE(row, 2);
    ++seen[row];
  }
  for (int n : seen) EXPECT_GT(n, 50);

  // The first draw n = 0 … 100 sets how far the skipped run goes: draws are
  // skipped while they are below n − 1, so with n = 0 none is, else one at least.
  auto drawsUsed = [](uint32_t seed) {
    SeedRandom(seed);
    ColourSchemeRow(kRandomColourScheme);
    const uint32_t after = RandomState();
    SeedRandom(seed);
    int draws = 0;
    while (RandomState() != after && draws < 1000) {
      Random();
      ++draws;
    }
    return draws;
  };
  auto firstDraw = [](uint32_t seed) {
    SeedRandom(seed);
    return Random();
  };
  uint32_t zeroSeed = 1;
  while (firstDraw(zeroSeed) * 100 / kRandMax != 0) ++zeroSeed;
  EXPECT_EQ(drawsUsed(zeroSeed), 2);
  uint32_t seed = 1;
  while (firstDraw(seed) * 100 / kRandMax < 50) ++seed;
  EXPECT_GE(drawsUsed(seed), 3);
}

}  // namespace
}  // namespace sorvane
