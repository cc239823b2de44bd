#include "sound/pcm_out_alsa.h"

#include <alsa/asoundlib.h>

#include <vector>

#include "sound/mixer.h"

namespace sorvane {

namespace {

// 2048 frames rendered at a time, about 190 ms queued at most, as on Windows.
constexpr snd_pcm_uframes_t kChunkFrames = 2048;
constexpr unsigned kLatencyUs = 190000;
// How long a wait for room may keep the thread from seeing a stop.
constexpr int kWaitMs = 50;

// A machine without sound would otherwise have alsa-lib print its search.
void Quiet(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

bool AlsaOutput::Open(Mixer& mixer) {
  if (thread_.joinable()) return false;
  mixer_ = &mixer;
  stopping_ = false;
  thread_ = std::thread(&AlsaOutput::Run, this);
  return true;
}

void AlsaOutput::Close() {
  if (!thread_.joinable()) return;
  stopping_ = true;
  thread_.join();
}

void AlsaOutput::Run() {
  snd_lib_error_set_handler(Quiet);
  snd_pcm_t* pcm = nullptr;
  if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) return;
  if (snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED, kOutputChannels, kOutputRate,
                         1, kLatencyUs) < 0) {
    snd_pcm_close(pcm);
    return;
  }
  std::vector<int16_t> chunk(kChunkFrames * kOutputChannels);
  snd_pcm_uframes_t written = kChunkFrames;
  while (!stopping_) {
    if (written == kChunkFrames) {
      mixer_->Render(chunk.data(), kChunkFrames);
      written = 0;
    }
    const snd_pcm_sframes_t n = snd_pcm_writei(pcm, chunk.data() + written * kOutputChannels, kChunkFrames - written);
    if (n >= 0) {
      written += static_cast<snd_pcm_uframes_t>(n);
    } else if (n == -EAGAIN) {
      snd_pcm_wait(pcm, kWaitMs);
    } else if (snd_pcm_recover(pcm, static_cast<int>(n), 1) < 0) {
      // A device that fails for good leaves the rest of the run silent.
      break;
    }
  }
  snd_pcm_drop(pcm);
  snd_pcm_close(pcm);
}

}  // namespace sorvane
