// Where a stream's samples come from: 44.1 kHz stereo as interleaved floats.
#pragma once
#include <cstddef>

namespace sorvane {

constexpr int kOutputRate = 44100;
constexpr int kOutputChannels = 2;

class PcmSource {
 public:
  virtual ~PcmSource() = default;
  // Fills up to `frames` frames. When `loop` is set the source starts over at
  // its end; it returns fewer frames only when it has come to an end for good
  // (not looping, a decoding failure, or a loop that holds nothing).
  virtual size_t Read(float* interleaved, size_t frames, bool loop) = 0;
};

}  // namespace sorvane
