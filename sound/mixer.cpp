#include "sound/mixer.h"

#include <algorithm>
#include <cmath>

namespace sorvane {

StreamHandle Mixer::Add(std::unique_ptr<PcmSource> source) {
  if (!source) return 0;
  std::lock_guard guard(lock_);
  streams_.push_back({std::move(source), false, false});
  return static_cast<StreamHandle>(streams_.size());
}

bool Mixer::Play(StreamHandle stream, bool loop) {
  std::lock_guard guard(lock_);
  if (stream == 0 || stream > streams_.size()) return false;
  streams_[stream - 1].playing = true;
  streams_[stream - 1].loop = loop;
  return true;
}

bool Mixer::Playing(StreamHandle stream) const {
  std::lock_guard guard(lock_);
  return stream != 0 && stream <= streams_.size() && streams_[stream - 1].playing;
}

size_t Mixer::StreamCount() const {
  std::lock_guard guard(lock_);
  return streams_.size();
}

void Mixer::Clear() {
  std::lock_guard guard(lock_);
  streams_.clear();
}

void Mixer::SetVolume(int volume) { volume_ = std::clamp(volume, 0, kMaxStreamVolume); }

void Mixer::Render(int16_t* interleaved, size_t frames) {
  const size_t samples = frames * kOutputChannels;
  std::lock_guard guard(lock_);
  mix_.assign(samples, 0.0f);
  scratch_.resize(samples);
  for (Stream& stream : streams_) {
    if (!stream.playing) continue;
    const size_t got = stream.source->Read(scratch_.data(), frames, stream.loop);
    for (size_t i = 0; i < got * kOutputChannels; ++i) mix_[i] += scratch_[i];
    if (got < frames) stream.playing = false;
  }
  const float gain = static_cast<float>(volume_.load()) / kMaxStreamVolume * 32767.0f;
  for (size_t i = 0; i < samples; ++i) {
    // Clipped, never wrapped round: a loud sum stays at full scale.
    const float value = std::clamp(mix_[i] * gain, -32768.0f, 32767.0f);
    interleaved[i] = static_cast<int16_t>(std::lrint(value));
  }
}

}  // namespace sorvane
