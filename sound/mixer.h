// The streams of the audio layer and their mix: every playing stream summed,
// scaled by the stream volume and clipped to 16 bits. The output thread calls
// Render while the main thread adds, plays and clears streams: one lock guards
// them.
#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "sound/pcm_source.h"

namespace sorvane {

// 0 is no stream.
using StreamHandle = uint32_t;

constexpr int kMaxStreamVolume = 100;

class Mixer {
 public:
  StreamHandle Add(std::unique_ptr<PcmSource> source);
  // Plays from where the stream stands; false for a handle that is no stream.
  bool Play(StreamHandle stream, bool loop);
  bool Playing(StreamHandle stream) const;
  size_t StreamCount() const;
  // Releases every stream.
  void Clear();

  // 0 … 100; values outside are brought inside.
  void SetVolume(int volume);
  int volume() const { return volume_.load(); }

  // Writes `frames` interleaved stereo frames. A stream that ends (one not
  // looping, or one whose data fails) stops and stays silent.
  void Render(int16_t* interleaved, size_t frames);

 private:
  struct Stream {
    std::unique_ptr<PcmSource> source;
    bool playing = false;
    bool loop = false;
  };
  mutable std::mutex lock_;
  std::vector<Stream> streams_;
  std::vector<float> mix_;
  std::vector<float> scratch_;
  std::atomic<int> volume_{kMaxStreamVolume};
};

}  // namespace sorvane
