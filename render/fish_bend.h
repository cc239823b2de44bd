// The fish's shape in a frame: its body bent into the turn it is making and
// wagged at the rear, its fins following the turn; and its fade at the edge of
// the neighbourhood that is drawn.
#pragma once
#include <cstdint>

#include "scene/geometry/mesh_data.h"

namespace sorvane {

// Positions of one bent part, x y z per vertex.
using BentPositions = float[][3];

// How much of the step's turn the body shows: 0.6, 0.5 or 0.3 of it.
float TurnAmount(float diff);
// Triangle wave over a step: rises from 0 to half the step, falls back.
int StepWave(int framesInt, int frameInStep);

void BendFin(float turn, const MeshData& part, int framesInt, int frameInStep, BentPositions out);
void BendBody(float tailPhase, float turn, const MeshData& part, int framesInt, int frameInStep, BentPositions out);

// The diffuse colour of a fish d from the camera (the larger axis distance):
// opaque white closer than 0.3, fading to transparent at 0.4. `blend` says
// whether alpha blending is needed.
uint32_t FadeColour(float d, bool& blend);

}  // namespace sorvane
