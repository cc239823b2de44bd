// The audio layer natively: the mixer, Ogg streams (loop join, bad files) and
// the start and stop rules through the recording output.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "sound/ogg_stream.h"
#include "sound/recording_output.h"
#include "sound/sound.h"
#include "tools/soundgen/vorbis_writer.h"

namespace sorvane {
namespace {

// A source of one constant value for `frames` frames (for ever when looping).
class ConstantSource final : public PcmSource {
 public:
  ConstantSource(float value, size_t frames) : value_(value), left_(frames) {}
  size_t Read(float* out, size_t frames, bool loop) override {
    const size_t n = loop ? frames : std::min(frames, left_);
    left_ -= std::min(left_, n);
    std::fill_n(out, n * kOutputChannels, value_);
    return n;
  }

 private:
  float value_;
  size_t left_;
};

// Two tones, one of them high enough that being off by a single frame shows.
soundgen::LoopBuffer ToneLoop(size_t frames, float level) {
  soundgen::LoopBuffer loop(frames);
  for (size_t i = 0; i < frames; ++i) {
    // Whole numbers of cycles per loop, so the loop itself has no seam.
    const double t = static_cast<double>(i) / static_cast<double>(frames);
    loop.left[i] = level * static_cast<float>(std::sin(6.283185307 * 40 * t) + 0.5 * std::sin(6.283185307 * 1000 * t));
    loop.right[i] = loop.left[i] * 0.5f;
  }
  return loop;
}

struct ScratchDir {
  ScratchDir() {
    char pattern[] = "/tmp/sorvane-sound-XXXXXX";
    path = mkdtemp(pattern);
  }
  ~ScratchDir() { std::filesystem::remove_all(path); }
  std::string File(const char* name) const { return path + "/" + name; }
  std::string path;
};

// 0.5 s loops of 80 Hz and 2 kHz, written the way the generator writes.
const ScratchDir& TestFiles() {
  static const ScratchDir dir;
  static const bool written =
      soundgen::WriteOggVorbis(dir.File(kMusicFile), ToneLoop(22050, 0.4f), 0.3f, "test") &&
      soundgen::WriteOggVorbis(dir.File(kAmbientFile), ToneLoop(22050, 0.2f), 0.3f, "test");
  EXPECT_TRUE(written);
  return dir;
}

bool Silent(const std::vector<int16_t>& samples) {
  return std::all_of(samples.begin(), samples.end(), [](int16_t s) { return s == 0; });
}

std::vector<int16_t> Render(Mixer& mixer, size_t frames) {
  std::vector<int16_t> out(frames * kOutputChannels);
  mixer.Render(out.data(), frames);
  return out;
}

TEST(Mixer, VolumeScalesAndLoudSumsClipInsteadOfWrapping) {
  for (int volume : {0, 50, 100}) {
    Mixer mixer;
    mixer.SetVolume(volume);
    mixer.Play(mixer.Add(std::make_unique<ConstantSource>(0.5f, 100)), false);
    mixer.Play(mixer.Add(std::make_unique<ConstantSource>(0.25f, 100)), false);
    EXPECT_EQ(Render(mixer, 4)[7], std::lrint(0.75 * volume / 100 * 32767)) << volume;
  }
  for (float level : {0.75f, -0.75f}) {
    Mixer mixer;
    mixer.Play(mixer.Add(std::make_unique<ConstantSource>(level, 100)), true);
    mixer.Play(mixer.Add(std::make_unique<ConstantSource>(level, 100)), true);
    EXPECT_EQ(Render(mixer, 2)[0], level > 0 ? 32767 : -32768);
  }
  Mixer mixer;
  mixer.SetVolume(250);
  EXPECT_EQ(mixer.volume(), 100);
  mixer.SetVolume(-3);
  EXPECT_EQ(mixer.volume(), 0);
}

TEST(Mixer, AStreamThatEndsFallsSilentWhileTheOtherPlaysOn) {
  Mixer mixer;
  const StreamHandle shortOne = mixer.Add(std::make_unique<ConstantSource>(0.5f, 3));
  const StreamHandle endless = mixer.Add(std::make_unique<ConstantSource>(0.25f, 0));
  EXPECT_EQ(mixer.Add(nullptr), 0u);
  EXPECT_FALSE(mixer.Play(0, true));
  EXPECT_FALSE(mixer.Play(3, true));
  mixer.Play(shortOne, false);
  mixer.Play(endless, true);
  const std::vector<int16_t> out = Render(mixer, 6);
  EXPECT_EQ(out[2 * 2], std::lrint(0.75 * 32767));
  EXPECT_EQ(out[3 * 2], std::lrint(0.25 * 32767));
  EXPECT_EQ(out[5 * 2 + 1], std::lrint(0.25 * 32767));
  EXPECT_FALSE(mixer.Playing(shortOne));
  EXPECT_TRUE(mixer.Playing(endless));
}

TEST(OggStream, LoopsBackToItsStartSampleExactlyAndWithoutAStep) {
  constexpr size_t kLoop = 22050;
  const soundgen::LoopBuffer source = ToneLoop(kLoop, 0.4f);
  std::unique_ptr<OggStream> stream = OggStream::OpenFile(TestFiles().File(kMusicFile));
  ASSERT_TRUE(stream);
  EXPECT_EQ(stream->loopStart(), static_cast<int64_t>(soundgen::kLoopPreroll));
  EXPECT_EQ(stream->loopEnd(), static_cast<int64_t>(soundgen::kLoopPreroll + kLoop));

  // Three passes: the join must follow the loop frame for frame, crossfade and all.
  const size_t frames = soundgen::kLoopPreroll + 3 * kLoop;
  std::vector<float> out(frames * kOutputChannels);
  ASSERT_EQ(stream->Read(out.data(), frames, true), frames);
  float worst = 0.0f;
  for (size_t i = soundgen::kLoopPreroll; i < frames; ++i) {
    const size_t at = (i - soundgen::kLoopPreroll) % kLoop;
    worst = std::max({worst, std::fabs(out[2 * i] - source.left[at]), std::fabs(out[2 * i + 1] - source.right[at])});
  }
  // One frame off would be out by up to 0.4 · (sin(2π · 40 / 22050) + sin(2π · 1000 / 22050) / 2) ≈ 0.06.
  EXPECT_LT(worst, 0.02f);
}

TEST(OggStream, BadFilesGiveNoStreamAndTruncatedOnesStayBounded) {
  const ScratchDir dir;
  ASSERT_TRUE(soundgen::WriteOggVorbis(dir.File("long.ogg"), ToneLoop(3 * kOutputRate, 0.4f), 0.3f, "test"));
  std::ifstream in(dir.File("long.ogg"), std::ios::binary);
  const std::vector<uint8_t> good{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::vector<uint8_t> garbage(good.size());
  for (size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<uint8_t>(i * 7919 >> 3);

  EXPECT_FALSE(OggStream::OpenFile(dir.File("missing.ogg")));
  EXPECT_FALSE(OggStream::OpenMemory({}));
  EXPECT_FALSE(OggStream::OpenMemory(garbage));
  EXPECT_FALSE(OggStream::OpenMemory(std::span(good).first(200)));  // headers cut short

  // Cut in the middle of a page: what is whole plays, and loops.
  std::unique_ptr<OggStream> truncated = OggStream::OpenMemory(std::span(good).first(good.size() * 3 / 4));
  ASSERT_TRUE(truncated);
  const size_t frames = 4 * kOutputRate;
  std::vector<float> out(frames * kOutputChannels);
  EXPECT_EQ(truncated->Read(out.data(), frames, true), frames);
  EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](float s) { return std::fabs(s) <= 1.0f; }));
  size_t rest = 0;
  for (size_t n; (n = truncated->Read(out.data(), frames, false)) > 0;) rest += n;
  EXPECT_LT(rest, static_cast<size_t>(2 * kOutputRate));
}

struct SoundRun {
  RecordingOutput output;
  AudioLayer layer{output};
  SoundState state;
  SoundFiles files{TestFiles().File(kMusicFile), TestFiles().File(kAmbientFile)};
  void Start(RunMode mode, SoundSettings settings) { StartSound(layer, state, mode, settings, files); }
  void Stop() { StopSound(layer, state); }
};

TEST(Sound, PreviewAndBothSoundsOffNeverTouchTheLayer) {
  for (auto [mode, settings] : {std::pair{RunMode::Preview, SoundSettings{0, 0, 50}},
                                std::pair{RunMode::Saver, SoundSettings{1, 1, 50}},
                                std::pair{RunMode::Saver, SoundSettings{2, -1, 50}}}) {
    SoundRun run;
    run.Start(mode, settings);
    run.Stop();
    EXPECT_TRUE(run.output.calls.empty());
    EXPECT_FALSE(run.layer.initialised());
    EXPECT_EQ(run.layer.StreamVolume(), 100);
  }
}

TEST(Sound, MusicOffCreatesBothStreamsPlaysTheAmbienceAndRestoresTheVolume) {
  SoundRun run;
  run.layer.SetStreamVolume(73);
  run.Start(RunMode::Saver, {1, 0, 80});
  EXPECT_EQ(run.output.calls, (std::vector<std::string>{"Available", "Open"}));
  EXPECT_EQ(run.layer.mixer().StreamCount(), 2u);
  EXPECT_FALSE(run.layer.mixer().Playing(1));
  EXPECT_TRUE(run.layer.mixer().Playing(2));
  EXPECT_EQ(run.layer.StreamVolume(), 80);
  EXPECT_FALSE(Silent(run.output.Pull(8192)));
  run.Stop();
  EXPECT_EQ(run.output.calls.back(), "Close");
  EXPECT_EQ(run.layer.StreamVolume(), 73);
  EXPECT_FALSE(run.layer.initialised());
  EXPECT_EQ(run.layer.mixer().StreamCount(), 0u);
}

TEST(Sound, VolumeZeroRunsSilentAndAMissingFileLeavesTheOtherStream) {
  SoundRun quiet;
  quiet.Start(RunMode::Saver, {0, 0, 0});
  EXPECT_TRUE(quiet.layer.mixer().Playing(1) && quiet.layer.mixer().Playing(2));
  EXPECT_TRUE(Silent(quiet.output.Pull(8192)));
  quiet.Stop();
  EXPECT_EQ(quiet.layer.StreamVolume(), 100);

  SoundRun missing;
  missing.files.music = missing.files.music + ".absent";
  missing.Start(RunMode::Saver, {0, 0, 100});
  EXPECT_EQ(missing.layer.mixer().StreamCount(), 1u);
  EXPECT_FALSE(Silent(missing.output.Pull(8192)));
}

TEST(Sound, NoOutputDeviceRunsOnTheSilentDevice) {
  SoundRun run;
  run.output.deviceExists = false;
  run.Start(RunMode::Saver, {0, 0, 50});
  EXPECT_EQ(run.output.calls, std::vector<std::string>{"Available"});
  EXPECT_TRUE(run.layer.initialised());
  EXPECT_TRUE(run.layer.mixer().Playing(1) && run.layer.mixer().Playing(2));
  run.Stop();
  EXPECT_EQ(run.output.calls, std::vector<std::string>{"Available"});
  EXPECT_FALSE(run.layer.initialised());
}

}  // namespace
}  // namespace sorvane
