// How high each obstacle code reaches: the swim levels it blocks and the square
// that is opened again around it on the levels above.
#pragma once
#include <cstdint>

namespace sorvane {

struct ObstacleGroup {
  // Lowest swim level the obstacle leaves free (0 … 4).
  int firstFreeLevel;
  // Side of the square opened around the cell on free levels: 3, 5 or 7.
  int clearingSize;
};

// The group of a code, or null for codes that are never opened (33, the margin
// code) and codes that are no obstacle.
const ObstacleGroup* FindObstacleGroup(uint8_t code);

// Level-pair grid p serves levels 2p and 2p + 1; it is opened only when both are free.
inline int FirstClearedPairGrid(const ObstacleGroup& group) { return (group.firstFreeLevel + 1) / 2; }

}  // namespace sorvane
