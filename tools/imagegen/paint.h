// Paints a canvas from a colour function of the normalised position, with
// supersampling for smooth edges, and small shape tests the pictures share.
#pragma once
#include <functional>

#include "tools/imagegen/canvas.h"

namespace sorvane::imagegen {

// u and v run 0 … 1 across the picture (u left to right, v top to bottom); a
// periodic function of u and v therefore gives a seamless tile.
using ColourFunction = std::function<Rgba(float u, float v)>;

// Evaluates `colour` on a grid `supersample` times finer than the picture and
// box-filters it down.
Canvas Paint(int width, int height, int supersample, const ColourFunction& colour);

// Signed distance from (x, y) to an ellipse centred at (cx, cy) with radii rx,
// ry (an approximation, exact on the axes); negative inside.
float EllipseDistance(float x, float y, float cx, float cy, float rx, float ry);
// True when (x, y) lies inside the triangle a, b, c (either winding).
bool InsideTriangle(float x, float y, float ax, float ay, float bx, float by, float cx, float cy);
// Distance from (x, y) to the segment a–b.
float SegmentDistance(float x, float y, float ax, float ay, float bx, float by);

}  // namespace sorvane::imagegen
