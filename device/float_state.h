// Float-valued render states (fog start and end) travel as their bit pattern.
#pragma once
#include <bit>
#include <cstdint>

namespace sorvane {

inline uint32_t FloatState(float value) { return std::bit_cast<uint32_t>(value); }

}  // namespace sorvane
