// Little-endian byte buffers and pixel conversion shared by the file writers.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/imagegen/canvas.h"

namespace sorvane::imagegen {

using Bytes = std::vector<uint8_t>;

void PutU16(Bytes& out, uint32_t v);
void PutU32(Bytes& out, uint32_t v);
// A channel 0 … 1 to 0 … 255, rounded and clamped.
uint8_t ToByte(float v);

// Writes the bytes to a file; false when the file cannot be written.
bool WriteFileBytes(const std::string& path, const Bytes& bytes);

}  // namespace sorvane::imagegen
