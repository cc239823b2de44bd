// An output for native tests: it records what the layer asks of it and plays
// the mix into memory when a test pulls it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "sound/audio_output.h"
#include "sound/mixer.h"

namespace sorvane {

class RecordingOutput final : public AudioOutput {
 public:
  bool Available() override;
  bool Open(Mixer& mixer) override;
  void Close() override;
  // Renders `frames` frames from the open mixer (nothing when closed).
  std::vector<int16_t> Pull(size_t frames);

  bool deviceExists = true;
  std::vector<std::string> calls;

 private:
  Mixer* mixer_ = nullptr;
};

}  // namespace sorvane
