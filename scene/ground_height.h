// The height of the seabed at any point, read bilinearly from the height grid.
#pragma once

namespace sorvane {

// x and z in world units; points at 8 or beyond read the last grid column or row.
float GroundHeight(const float* heightGrid, float x, float z);

}  // namespace sorvane
