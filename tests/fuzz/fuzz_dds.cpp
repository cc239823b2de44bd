// Fuzzer for the DDS decoder.
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  sorvane::Image image;
  if (sorvane::DecodeDds({data, size}, &image)) CheckDecoded(image);
  return 0;
}
