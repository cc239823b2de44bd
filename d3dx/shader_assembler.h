// An assembler for vs.1.1 vertex-shader text, producing the Direct3D 8 token
// stream: the version token, one instruction token and its parameter tokens per
// instruction, and the end token.
//
// Understood: the instructions mov, add, sub, mad, mul, rcp, rsq, dp3, dp4 and
// m4x4; temporaries r0-r11, inputs v0-v15, constants c0-c95 and the outputs
// oPos, oFog, oPts, oD0-oD1 and oT0-oT7; write masks, swizzles (one to four
// components, the last repeated) and negated sources; comments after ';' or '//'.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace sorvane {

// False for text that is not such a shader or breaks a vs.1.1 rule the runtime
// would refuse (two different constants or inputs read by one instruction, an
// rcp or rsq source without a single component, an m4x4 writing its own source).
bool AssembleVertexShader(std::string_view text, std::vector<uint32_t>* tokens);

}  // namespace sorvane
