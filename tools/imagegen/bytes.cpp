// Byte-buffer helpers and file output.
#include "tools/imagegen/bytes.h"

#include <cmath>
#include <cstdio>

namespace sorvane::imagegen {

void PutU16(Bytes& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v & 255));
  out.push_back(static_cast<uint8_t>((v >> 8) & 255));
}

void PutU32(Bytes& out, uint32_t v) {
  PutU16(out, v & 0xFFFF);
  PutU16(out, v >> 16);
}

uint8_t ToByte(float v) {
  float s = std::floor(v * 255.0f + 0.5f);
  if (!(s > 0)) return 0;  // also catches NaN
  if (s > 255) return 255;
  return static_cast<uint8_t>(s);
}

bool WriteFileBytes(const std::string& path, const Bytes& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace sorvane::imagegen
