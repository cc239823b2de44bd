// The seabed's 25 × 25 tiles: their records, their 17 × 17 vertex grids, the
// 5 × 5 neighbourhood each frame draws from, and the index strip they share.
#pragma once
#include <array>
#include <cstdint>

#include "device/device.h"
#include "scene/geometry/mesh_data.h"
#include "scene/scene_objects.h"

namespace sorvane {

constexpr int kTilesPerSide = 25;
constexpr int kTileCount = kTilesPerSide * kTilesPerSide;
constexpr float kTileSize = 0.32f;
constexpr int kTileGridVertices = 17;
constexpr int kTileVertexCount = kTileGridVertices * kTileGridVertices;
constexpr int kMaxNeighbours = 25;
constexpr int kSeabedIndexCount = 576;
// Triangles drawn from the strip; the last ones only join rows.
constexpr uint32_t kSeabedStripTriangles = 572;

constexpr uint32_t kTileVertexBufferBytes = kTileVertexCount * sizeof(SceneryVertex);

struct TileNeighbour {
  uint16_t tile;
  int16_t columnOffset;  // absolute distance in tiles
  int16_t rowOffset;
};

struct SeabedTile {
  uint16_t index;
  float column;
  float row;
  float centreHeight;
  uint8_t reserved;
  // One array per object class, in class order.
  TileObjects objects;
  std::array<TileNeighbour, kMaxNeighbours> neighbours;
  int32_t neighbourCount;
};

// Texture coordinates of vertex (row r, column c): the sand repeats every two
// cells, the caustics every four.
struct TileTexCoords {
  float u0, v0, u1, v1;
};
using TileTexCoordTable = std::array<std::array<TileTexCoords, kTileGridVertices>, kTileGridVertices>;

void FillTileTexCoords(TileTexCoordTable& table);

// The 576 indices of one strip over a 17 × 17 vertex grid, two rows at a time,
// joined by repeated indices.
void WriteSeabedStrip(uint16_t* indices);

// Index, column, row and the neighbour list: the tiles up to two rows and two
// columns away that lie on the seabed, the tile itself among them, rows outer.
void InitTileRecord(SeabedTile& tile, int row, int column);

// Creates a tile's vertex buffer and fills it with x, z and the texture
// coordinates; y stays 0 until the heights arrive. False on a device failure;
// *buffer is null when the buffer could not be created.
bool CreateTileVertexBuffer(Device& device, const TileTexCoordTable& texCoords, VertexBuffer** buffer);

// Sets each tile's centre height: the middle of its range of heights.
void SetTileCentreHeights(SeabedTile* tiles, const float* heightGrid);

// Copies the height grid into every tile's vertices (buffers in the tiles'
// order). Stops at the first tile whose buffer cannot be locked.
void ApplyHeightsToTiles(Device& device, VertexBuffer* const* buffers, const float* heightGrid);

}  // namespace sorvane
