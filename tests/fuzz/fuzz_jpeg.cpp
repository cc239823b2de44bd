// Fuzzer for the JPEG decoder.
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  sorvane::Image image;
  if (sorvane::DecodeJpeg({data, size}, &image)) CheckDecoded(image);
  return 0;
}
