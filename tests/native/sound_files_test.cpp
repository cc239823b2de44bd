// The generated tracks as the saver plays them: sizes, lengths, peaks and
// loudness, and a loop join that is no louder a step than the music around it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "sound/ogg_stream.h"
#include "sound/sound.h"
#include "tools/soundgen/dsp.h"

namespace sorvane {
namespace {

struct Track {
  const char* name;
  double shortest, longest;  // seconds
};

// Largest change of slope (second difference) over frames [from, to) of one channel.
float LargestKink(const std::vector<float>& interleaved, size_t channel, size_t from, size_t to) {
  float largest = 0.0f;
  for (size_t i = from + 1; i + 1 < to; ++i) {
    const float kink = interleaved[2 * (i + 1) + channel] - 2 * interleaved[2 * i + channel] +
                       interleaved[2 * (i - 1) + channel];
    largest = std::max(largest, std::fabs(kink));
  }
  return largest;
}

TEST(SoundFiles, TheTracksAreSmallLoudAlikeClearOfFullScaleAndLoopWithoutAClick) {
  std::vector<float> loudness;
  for (const Track& track : {Track{kMusicFile, 120, 240}, Track{kAmbientFile, 30, 90}}) {
    SCOPED_TRACE(track.name);
    const std::string path = std::string(SORVANE_GENERATED_DIR) + "/" + track.name;
    EXPECT_LT(std::filesystem::file_size(path), 3u << 20);
    std::unique_ptr<OggStream> stream = OggStream::OpenFile(path);
    ASSERT_TRUE(stream);
    const size_t start = static_cast<size_t>(stream->loopStart());
    const size_t length = static_cast<size_t>(stream->loopEnd()) - start;
    EXPECT_GE(length, track.shortest * kOutputRate);
    EXPECT_LE(length, track.longest * kOutputRate);

    // Once round the loop and a second past the join.
    const size_t frames = start + length + kOutputRate;
    std::vector<float> played(frames * kOutputChannels);
    ASSERT_EQ(stream->Read(played.data(), frames, true), frames);
    const auto [low, high] = std::minmax_element(played.begin(), played.end());
    EXPECT_LT(std::max(-*low, *high), 0.891f);  // −1 dBFS

    soundgen::LoopBuffer loop(length);
    for (size_t i = 0; i < length; ++i) {
      loop.left[i] = played[2 * (start + i)];
      loop.right[i] = played[2 * (start + i) + 1];
    }
    loudness.push_back(soundgen::Loudness(loop));

    const size_t join = start + length;
    for (size_t channel = 0; channel < kOutputChannels; ++channel) {
      const float around = LargestKink(played, channel, join - kOutputRate, join - 256);
      const float atJoin = LargestKink(played, channel, join - 256, join + 256);
      EXPECT_LE(atJoin, around) << "channel " << channel << " " << atJoin * 32768 << " " << around * 32768;
    }
  }
  EXPECT_NEAR(loudness[0], loudness[1], 2.0f);
}

}  // namespace
}  // namespace sorvane
