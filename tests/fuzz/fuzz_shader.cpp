// Fuzzer for the vertex-shader assembler: any text either assembles to a
// stream framed by the version and end tokens or is refused.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "d3dx/shader_assembler.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint32_t> tokens;
  if (sorvane::AssembleVertexShader(std::string_view(reinterpret_cast<const char*>(data), size), &tokens)) {
    if (tokens.size() < 2 || tokens.front() != 0xFFFE0101 || tokens.back() != 0x0000FFFF) std::abort();
  }
  return 0;
}
