// An Ogg Vorbis file decoded as it plays.
//
// Looping honours LOOPSTART and LOOPLENGTH comments (in frames): playback
// starts at the file's beginning and, at the end of the loop, goes back to
// LOOPSTART. Frames the file holds after the loop are the loop's start encoded
// once more; the jump crossfades from them into the freshly decoded start, so
// the two codings' differing noise does not click at the join. Without the
// comments the whole file loops.
#pragma once
#include <vorbis/vorbisfile.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "sound/pcm_source.h"

namespace sorvane {

// The longest crossfade at the loop's join.
constexpr size_t kLoopCrossfadeFrames = 4096;

class OggStream final : public PcmSource {
 public:
  // Null for a missing or unreadable file, one that is not Ogg Vorbis, or one
  // at a rate other than 44.1 kHz.
  static std::unique_ptr<OggStream> OpenFile(const std::string& path);
  // The same over bytes in memory, which must outlive the stream.
  static std::unique_ptr<OggStream> OpenMemory(std::span<const uint8_t> bytes);
  ~OggStream() override;
  OggStream(const OggStream&) = delete;
  OggStream& operator=(const OggStream&) = delete;

  size_t Read(float* interleaved, size_t frames, bool loop) override;

  int64_t loopStart() const { return loopStart_; }
  // −1 when the length is unknown: the loop then ends where decoding does.
  int64_t loopEnd() const { return loopEnd_; }

 private:
  struct Input {
    std::FILE* file = nullptr;
    std::span<const uint8_t> bytes;
    size_t offset = 0;
  };
  OggStream() = default;
  bool Open();
  size_t Decode(float* interleaved, size_t frames);
  bool StartOver();
  static size_t ReadBytes(void* out, size_t size, size_t count, void* input);
  static int SeekBytes(void* input, ogg_int64_t offset, int whence);
  static long TellBytes(void* input);

  Input input_;
  OggVorbis_File vorbis_ = {};
  bool opened_ = false;
  int64_t position_ = 0;
  int64_t loopStart_ = 0;
  int64_t loopEnd_ = -1;
  std::vector<float> crossfade_;  // interleaved frames to play before decoding on
  size_t crossfadeAt_ = 0;        // frames of it already played
};

}  // namespace sorvane
