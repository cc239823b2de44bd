// The programs the scene draws with, which the GL device builds ahead: those
// of a vertex format when the device is made, those of a vertex shader when
// the shader is created, so that no frame waits for a compile. A program
// not among them is still built, at its first draw.
#pragma once
#include <span>

#include "device/program_key_gl.h"

namespace sorvane {

// A vertex shader's keys name the shader 1; the device builds them for each
// shader it is given.
std::span<const ProgramKey> PreparedProgramKeys();

}  // namespace sorvane
