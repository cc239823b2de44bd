// Result codes as the Direct3D 8 runtime returns them (HRESULT values): anything
// below 0 is a failure.
#pragma once
#include <cstdint>

namespace sorvane {

using HResult = int32_t;
inline bool Failed(HResult r) { return r < 0; }

}  // namespace sorvane
