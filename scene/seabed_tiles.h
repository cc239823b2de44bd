// The seabed's 25 × 25 tiles: their records, their 17 × 17 vertex grids, the
// 5 × 5 neighbourhood each frame draws from, and the index strip they share.
#pragma once
#include <array>
#include <cstdint>

#include "render/device.h"
#include "render/scene_objects.h"
#include "scene/geometry/mesh_data.h"

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
  uint8_t visible;        // written every frame by the seabed pass
  int16_t columnOffset;  // absolute distance in tiles
  int16_t rowOffset;
};

struct SeabedTile {
  uint16_t index;
  float column;
  float row;
  float centreHeight;
  uint8_t reserved;
  VertexBuffer* vertexBuffer;
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

// Creates and fills the tile's vertex buffer with x, z and the texture
// coordinates; y stays 0 until the heights arrive. False on a device failure.
bool CreateTileVertexBuffer(Device& device, SeabedTile& tile, const TileTexCoordTable& texCoords);

// Copies the height grid into every tile's vertices and sets each tile's
// centre height. Stops at the first tile whose buffer cannot be locked.
void ApplyHeightsToTiles(Device& device, SeabedTile* tiles, const float* heightGrid);

}  // namespace sorvane
