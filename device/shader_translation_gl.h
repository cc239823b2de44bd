// Direct3D 8 vertex shaders for OpenGL ES: the vs.1.1 token stream becomes
// GLSL ES statements, instruction for instruction, and the stream
// declaration the layout of the shader's inputs in the vertex buffer.
#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace sorvane {

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

// A vertex shader's part of a GLSL ES 3.00 vertex stage: `declarations`
// (input vN at attribute location N, the constants c0-c95 as `uniform vec4
// c[96]`) and `body`, statements that leave the shader's outputs in the
// locals oPos, oFog, oD0, oD1 and oT0-oT7.
struct VertexShaderGlsl {
  std::string declarations;
  std::string body;
};

// False for a stream that is not vs.1.1, or uses what the translation lacks
// (oPts, modifiers other than negation). `mov a0` floors, and a constant read
// relative to a0.x is c[a0.x + n], as in vs.1.1.
bool TranslateVertexShader(const uint32_t* tokens, const ShaderDeclaration& declaration, VertexShaderGlsl* glsl);

}  // namespace sorvane
