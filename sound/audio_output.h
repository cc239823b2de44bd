// The sound device as the audio layer sees it: on Windows the wave-out device
// fed by a thread of its own; in native tests a recorder.
#pragma once

namespace sorvane {

class Mixer;

class AudioOutput {
 public:
  virtual ~AudioOutput() = default;
  // Whether there is a default output device at all, as far as can be told
  // without delaying the caller.
  virtual bool Available() = 0;
  // Starts taking 44.1 kHz stereo from `mixer`. A device that fails now or
  // later just stops taking: the layer runs on silently.
  virtual bool Open(Mixer& mixer) = 0;
  // Stops taking and lets go of the device; `mixer` is no longer used once it
  // returns.
  virtual void Close() = 0;
};

}  // namespace sorvane
