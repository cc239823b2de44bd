#include "sound/wave_out_win32.h"

#include <mmsystem.h>

#include <array>
#include <vector>

#include "sound/mixer.h"

namespace sorvane {

namespace {

// Four buffers of 2048 frames: about 190 ms queued, 46 ms per refill.
constexpr size_t kBufferCount = 4;
constexpr size_t kBufferFrames = 2048;
// How long Close waits for the thread; a driver that hangs must not hold up
// the saver's exit, and the mixer it may still touch lives to the process end.
constexpr DWORD kCloseTimeoutMs = 1000;

}  // namespace

// Asking winmm anything first loads the audio driver, which took about 50 ms
// under Wine: longer than the first frame may wait. Whether a device exists is
// therefore found out by the thread, when it opens the device; none there
// makes the rest of the run silent, as a device that fails does.
bool WaveOutOutput::Available() { return true; }

bool WaveOutOutput::Open(Mixer& mixer) {
  if (thread_) return false;
  mixer_ = &mixer;
  stopping_ = false;
  wake_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  if (!wake_) return false;
  // The device is opened on the thread: opening can take a while, and the
  // first frame should not wait for it.
  thread_ = CreateThread(nullptr, 0, &WaveOutOutput::ThreadMain, this, 0, nullptr);
  if (!thread_) {
    CloseHandle(wake_);
    wake_ = nullptr;
    return false;
  }
  return true;
}

void WaveOutOutput::Close() {
  if (!thread_) return;
  stopping_ = true;
  SetEvent(wake_);
  const bool ended = WaitForSingleObject(thread_, kCloseTimeoutMs) == WAIT_OBJECT_0;
  CloseHandle(thread_);
  thread_ = nullptr;
  // A thread still running keeps its event.
  if (ended) CloseHandle(wake_);
  wake_ = nullptr;
}

DWORD WINAPI WaveOutOutput::ThreadMain(void* self) {
  static_cast<WaveOutOutput*>(self)->Run();
  return 0;
}

void WaveOutOutput::Run() {
  WAVEFORMATEX format = {};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = kOutputChannels;
  format.nSamplesPerSec = kOutputRate;
  format.wBitsPerSample = 16;
  format.nBlockAlign = static_cast<WORD>(format.nChannels * format.wBitsPerSample / 8);
  format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
  HWAVEOUT device = nullptr;
  if (waveOutOpen(&device, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(wake_), 0, CALLBACK_EVENT) !=
      MMSYSERR_NOERROR) {
    return;
  }

  std::array<std::vector<int16_t>, kBufferCount> samples;
  std::array<WAVEHDR, kBufferCount> headers = {};
  std::array<bool, kBufferCount> queued = {};
  size_t prepared = 0;
  for (; prepared < kBufferCount; ++prepared) {
    samples[prepared].resize(kBufferFrames * kOutputChannels);
    WAVEHDR& header = headers[prepared];
    header.lpData = reinterpret_cast<LPSTR>(samples[prepared].data());
    header.dwBufferLength = static_cast<DWORD>(samples[prepared].size() * sizeof(int16_t));
    if (waveOutPrepareHeader(device, &header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR) break;
  }

  // A device that refuses a buffer has failed: the rest of the run is silent.
  bool failed = prepared < kBufferCount;
  while (!stopping_ && !failed) {
    for (size_t i = 0; i < kBufferCount && !stopping_ && !failed; ++i) {
      if (queued[i] && !(headers[i].dwFlags & WHDR_DONE)) continue;
      mixer_->Render(samples[i].data(), kBufferFrames);
      if (stopping_) break;
      headers[i].dwFlags &= ~static_cast<DWORD>(WHDR_DONE);
      failed = waveOutWrite(device, &headers[i], sizeof(WAVEHDR)) != MMSYSERR_NOERROR;
      queued[i] = !failed;
    }
    if (!stopping_ && !failed) WaitForSingleObject(wake_, INFINITE);
  }

  waveOutReset(device);
  for (size_t i = 0; i < prepared; ++i) waveOutUnprepareHeader(device, &headers[i], sizeof(WAVEHDR));
  waveOutClose(device);
}

}  // namespace sorvane
