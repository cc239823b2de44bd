// Vertex-shader declaration tokens (the stream layout a shader reads) and the
// declaration of the plant shader: stream 0 holds position, then two texture
// coordinate pairs, the 28-byte scenery vertex.
#pragma once

#include <cstdint>

#include "device/d3d8_constants.h"

namespace sorvane {

constexpr uint32_t VsdStream(uint32_t stream) { return 0x20000000u | stream; }
constexpr uint32_t VsdReg(uint32_t inputRegister, uint32_t type) { return 0x40000000u | type << 16 | inputRegister; }
constexpr uint32_t VsdEnd() { return 0xFFFFFFFFu; }

inline constexpr uint32_t kPlantShaderDeclaration[] = {
    VsdStream(0),
    VsdReg(0, D3DVSDT_FLOAT3),  // position
    VsdReg(7, D3DVSDT_FLOAT2),  // texture coordinates of stage 0
    VsdReg(8, D3DVSDT_FLOAT2),  // caustic texture coordinates
    VsdEnd(),
};

}  // namespace sorvane
