// Building the seabed tiles: records, neighbour lists, vertex grids, heights
// and the shared index strip.
#include "scene/seabed_tiles.h"

#include <cstddef>
#include <cstdlib>

#include "base/world_units.h"
#include "device/d3d8_constants.h"
#include "scene/heights.h"

namespace sorvane {

namespace {
constexpr float kGridStep = 1.0f / kCellsPerUnit;
}  // namespace

void FillTileTexCoords(TileTexCoordTable& table) {
  for (int r = 0; r < kTileGridVertices; ++r) {
    for (int c = 0; c < kTileGridVertices; ++c) {
      table[r][c] = {0.5f * c, 0.5f * r, 0.25f * c, 0.25f * r};
    }
  }
}

void WriteSeabedStrip(uint16_t* indices) {
  auto at = [](int r, int c) { return static_cast<uint16_t>(kTileGridVertices * r + c); };
  constexpr int kLast = kTileGridVertices - 1;
  uint16_t* out = indices;
  for (int g = 0; g < 8; ++g) {
    for (int c = 0; c <= kLast; ++c) {
      *out++ = at(2 * g + 1, c);
      *out++ = at(2 * g, c);
    }
    *out++ = at(2 * g + 1, kLast);
    *out++ = at(2 * g + 1, kLast);
    for (int k = 0; k <= kLast; ++k) {
      *out++ = at(2 * g + 1, kLast - k);
      *out++ = at(2 * g + 2, kLast - k);
    }
    *out++ = at(2 * g + 2, 0);
    *out++ = at(2 * g + 2, 0);
  }
}

void InitTileRecord(SeabedTile& tile, int row, int column) {
  tile.index = static_cast<uint16_t>(row * kTilesPerSide + column);
  tile.column = static_cast<float>(column);
  tile.row = static_cast<float>(row);
  tile.centreHeight = 0.0f;
  tile.reserved = 0;
  int n = 0;
  for (int dr = -2; dr <= 2; ++dr) {
    for (int dc = -2; dc <= 2; ++dc) {
      const int r = row + dr;
      const int c = column + dc;
      if (r < 0 || r >= kTilesPerSide || c < 0 || c >= kTilesPerSide) continue;
      tile.neighbours[n++] = {static_cast<uint16_t>(r * kTilesPerSide + c), static_cast<int16_t>(std::abs(dc)),
                              static_cast<int16_t>(std::abs(dr))};
    }
  }
  tile.neighbourCount = n;
}

bool CreateTileVertexBuffer(Device& device, const TileTexCoordTable& texCoords, VertexBuffer** buffer) {
  if (Failed(device.CreateVertexBuffer(kTileVertexBufferBytes, D3DUSAGE_WRITEONLY, kSceneryVertexFvf, D3DPOOL_DEFAULT,
                                       buffer))) {
    *buffer = nullptr;
    return false;
  }
  uint8_t* data = nullptr;
  if (Failed(device.LockVertexBuffer(*buffer, 0, 0, &data, 0))) return false;
  auto* vertices = reinterpret_cast<SceneryVertex*>(data);
  for (int r = 0; r < kTileGridVertices; ++r) {
    for (int c = 0; c < kTileGridVertices; ++c) {
      const TileTexCoords& t = texCoords[r][c];
      vertices[r * kTileGridVertices + c] = {c * kGridStep, 0.0f, r * kGridStep, t.u0, t.v0, t.u1, t.v1};
    }
  }
  device.UnlockVertexBuffer(*buffer);
  return true;
}

void SetTileCentreHeights(SeabedTile* tiles, const float* heightGrid) {
  for (int tr = 0; tr < kTilesPerSide; ++tr) {
    for (int tc = 0; tc < kTilesPerSide; ++tc) tiles[tr * kTilesPerSide + tc].centreHeight = TileCentreHeight(heightGrid, tr, tc);
  }
}

void ApplyHeightsToTiles(Device& device, VertexBuffer* const* buffers, const float* heightGrid) {
  for (int tr = 0; tr < kTilesPerSide; ++tr) {
    for (int tc = 0; tc < kTilesPerSide; ++tc) {
      VertexBuffer* buffer = buffers[tr * kTilesPerSide + tc];
      uint8_t* data = nullptr;
      if (Failed(device.LockVertexBuffer(buffer, 0, 0, &data, 0))) return;
      WriteTileHeights(heightGrid, tr, tc, data, sizeof(SceneryVertex), offsetof(SceneryVertex, y));
      device.UnlockVertexBuffer(buffer);
    }
  }
}

}  // namespace sorvane
