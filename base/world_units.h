// World units against navigation cells: the seabed's 8 × 8 units are cut into
// 400 × 400 cells of 0.02, and a cell stands for its centre.
#pragma once

namespace sorvane {

constexpr float kCellSize = 0.02f;
// The same as a count: a coordinate divided by it is in cells' widths.
constexpr float kCellsPerUnit = 50.0f;

// The world coordinate of a cell's centre along one axis; fractional cells
// (points on a curve through cell centres) map the same way.
constexpr float CellCentre(float cell) { return cell * kCellSize + 0.01f; }

}  // namespace sorvane
