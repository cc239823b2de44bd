#include "sound/recording_output.h"

namespace sorvane {

bool RecordingOutput::Available() {
  calls.push_back("Available");
  return deviceExists;
}

bool RecordingOutput::Open(Mixer& mixer) {
  calls.push_back("Open");
  mixer_ = &mixer;
  return true;
}

void RecordingOutput::Close() {
  calls.push_back("Close");
  mixer_ = nullptr;
}

std::vector<int16_t> RecordingOutput::Pull(size_t frames) {
  std::vector<int16_t> samples(frames * kOutputChannels);
  if (mixer_) mixer_->Render(samples.data(), frames);
  return samples;
}

}  // namespace sorvane
