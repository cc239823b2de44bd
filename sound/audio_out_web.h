// The page's output: Web Audio, fed from the mixer on the page's one thread.
// The browser plays on a thread of its own but runs the page's code only on
// the page's, between frames that may take a fifth of a second in software:
// the mix is rendered in quarter-second buffers, each started where the last
// ends, kept a second ahead of what is heard so that a slow frame never
// starves the sound.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "sound/audio_output.h"

namespace sorvane {

class WebAudioOutput final : public AudioOutput {
 public:
  ~WebAudioOutput() override { Close(); }
  // Whether the browser has Web Audio.
  bool Available() override;
  // Browsers start a page's audio only from a click or a key press: open it
  // while handling one.
  bool Open(Mixer& mixer) override;
  void Close() override;

  // The next `frames` frames of the mix, interleaved stereo, for the page's
  // scheduler; valid until the next call.
  const int16_t* Render(size_t frames);

 private:
  Mixer* mixer_ = nullptr;
  std::vector<int16_t> buffer_;
};

}  // namespace sorvane
