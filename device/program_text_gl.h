// The GLSL ES 3.00 text of the program a key names. Direct3D's rules are
// written into it: clip depth 0…1 moved to GL's −1…1 and the pixel centres
// onto GL's (both in the clip transform of a vertex format, after the
// shader's statements for a vertex shader), D3DCOLOR's byte order, the
// stages in their order, then the alpha test, then linear fog on the eye's
// depth.
//
// Uniforms: u_clip (world × view × projection × that correction, a vertex
// format's), u_offset (the pixel-centre shift per unit of w, a vertex
// shader's), u_factor, u_alphaRef (0…255), u_fogColour, u_fogRange (the end,
// and 1 / (end − start)), u_bias0 and u_bias1, samplers u_texture0 and
// u_texture1 (units 0 and 1). Attributes of a vertex format: position at
// location 0, diffuse colour at 1, texture pairs at 2 and 3.
#pragma once
#include <string>

#include "device/program_key_gl.h"
#include "device/shader_translation_gl.h"

namespace sorvane {

constexpr int kPositionLocation = 0, kDiffuseLocation = 1, kTexCoordLocation = 2;

struct ProgramText {
  std::string vertex, fragment;
};

// `shader` is the translated vertex shader the key names; null for a vertex
// format.
ProgramText ProgramTextOf(const ProgramKey& key, const VertexShaderGlsl* shader);

}  // namespace sorvane
