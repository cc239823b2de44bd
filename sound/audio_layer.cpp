#include "sound/audio_layer.h"

#include "sound/ogg_stream.h"

namespace sorvane {

bool AudioLayer::Init(int device) {
  if (initialised_) return false;
  if (device == kDefaultDevice) {
    if (!output_.Available()) return false;
    silent_ = false;
  } else if (device == kSilentDevice) {
    silent_ = true;
  } else {
    return false;
  }
  initialised_ = true;
  return true;
}

bool AudioLayer::Start() {
  if (!initialised_) return false;
  if (!silent_ && !running_) running_ = output_.Open(mixer_);
  return true;
}

StreamHandle AudioLayer::CreateStream(const std::string& path) {
  if (!initialised_) return 0;
  // Opening reads the file's headers: done here, outside the mixer's lock.
  return mixer_.Add(OggStream::OpenFile(path));
}

bool AudioLayer::Play(StreamHandle stream, bool loop) { return initialised_ && mixer_.Play(stream, loop); }

void AudioLayer::Stop() {
  if (!running_) return;
  output_.Close();
  running_ = false;
}

void AudioLayer::Free() {
  Stop();
  mixer_.Clear();
  initialised_ = false;
}

}  // namespace sorvane
