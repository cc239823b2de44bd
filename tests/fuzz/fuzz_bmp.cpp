// Fuzzer for the BMP decoder, both as a file and as a resource DIB.
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  sorvane::Image image;
  if (sorvane::DecodeBmpFile({data, size}, &image)) CheckDecoded(image);
  if (sorvane::DecodeDib({data, size}, &image)) CheckDecoded(image);
  return 0;
}
