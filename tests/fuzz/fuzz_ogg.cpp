// Fuzzer for the Ogg Vorbis stream: open, play a few seconds looping, then on
// to the end; every frame asked for is either delivered or the stream has ended.
#include <cmath>
#include <cstdlib>
#include <vector>

#include "sound/ogg_stream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::unique_ptr<sorvane::OggStream> stream = sorvane::OggStream::OpenMemory({data, size});
  if (!stream) return 0;
  constexpr size_t kChunk = 4096;
  std::vector<float> out(kChunk * sorvane::kOutputChannels);
  // A looping stream either fills every request or has nothing to play at all.
  bool silent = false;
  for (int i = 0; i < 8 && !silent; ++i) {
    const size_t got = stream->Read(out.data(), kChunk, true);
    if (got > kChunk) std::abort();
    silent = got < kChunk;
    for (size_t s = 0; s < got * sorvane::kOutputChannels; ++s) {
      if (!std::isfinite(out[s])) std::abort();
    }
  }
  for (int i = 0; i < 16 && stream->Read(out.data(), kChunk, false) == kChunk; ++i) {
  }
  return 0;
}
