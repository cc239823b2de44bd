// The Linux output: ALSA's default device, fed by one thread of its own that
// renders the mix whenever the device has room. The device is opened on that
// thread, so that a slow sound server never holds up the first frame.
#pragma once
#include <atomic>
#include <thread>

#include "sound/audio_output.h"

namespace sorvane {

class AlsaOutput final : public AudioOutput {
 public:
  ~AlsaOutput() override { Close(); }
  // Whether a device exists is found out when the thread opens it; none
  // there makes the rest of the run silent, as a device that fails does.
  bool Available() override { return true; }
  bool Open(Mixer& mixer) override;
  void Close() override;

 private:
  void Run();

  Mixer* mixer_ = nullptr;
  std::thread thread_;
  std::atomic<bool> stopping_{false};
};

}  // namespace sorvane
