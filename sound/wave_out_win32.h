// The Windows output: the wave-out device fed with a small ring of buffers by
// one thread that renders the mix whenever the device hands a buffer back.
#pragma once
#include <windows.h>

#include <atomic>

#include "sound/audio_output.h"

namespace sorvane {

class WaveOutOutput final : public AudioOutput {
 public:
  bool Available() override;
  bool Open(Mixer& mixer) override;
  void Close() override;

 private:
  static DWORD WINAPI ThreadMain(void* self);
  void Run();

  Mixer* mixer_ = nullptr;
  HANDLE thread_ = nullptr;
  // Auto-reset: set by the device for each finished buffer and by Close.
  HANDLE wake_ = nullptr;
  std::atomic<bool> stopping_{false};
};

}  // namespace sorvane
