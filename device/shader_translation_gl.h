// Direct3D 8 vertex shaders for OpenGL: the vs.1.1 token stream becomes the
// text of an ARB vertex program, instruction for instruction, and the stream
// declaration the layout of the shader's inputs in the vertex buffer.
#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace sorvane {

// program.env register of the pixel-centre offset (x and y in clip units per
// unit of w); the shader's own constants are c0-c95 in program.env[0..95].
constexpr uint32_t kPixelOffsetEnvRegister = 96;

struct ShaderInput {
  uint32_t reg = 0;     // v0-v15
  uint32_t type = 0;    // D3DVSDT_*
  uint32_t offset = 0;  // bytes into the vertex
};

struct ShaderDeclaration {
  std::array<ShaderInput, 16> inputs;
  uint32_t count = 0;
};

// Stream 0 only, every token loading a register; false for anything else.
bool ParseShaderDeclaration(const uint32_t* tokens, ShaderDeclaration* declaration);

// False for a stream that is not vs.1.1, or uses what the translation lacks
// (relative addressing, oPts, modifiers other than negation). The program
// writes no fog value of the shader's own: with table fog Direct3D fogs by
// depth, so the fog coordinate is |w| of the position, as the fixed pipeline
// takes |z| of the eye. The position is moved by the pixel-centre offset.
bool TranslateVertexShader(const uint32_t* tokens, std::string* program);

}  // namespace sorvane
