// The audio thread's work and the sound's start on the generated tracks: one
// second of both streams decoded and mixed (its time over one second is the
// thread's share of a core), and the start up to playing, minus the device.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "sound/recording_output.h"
#include "sound/sound.h"

namespace sorvane {
namespace {

SoundFiles GeneratedFiles() {
  const std::string dir = SORVANE_GENERATED_DIR;
  return {dir + "/" + kMusicFile, dir + "/" + kAmbientFile};
}

void BM_MixOneSecondOfBothStreams(benchmark::State& state) {
  RecordingOutput output;
  AudioLayer layer(output);
  SoundState sound;
  StartSound(layer, sound, RunMode::Saver, {}, GeneratedFiles());
  // The wave-out thread's buffer size.
  constexpr size_t kBufferFrames = 2048;
  for (auto _ : state) {
    for (size_t done = 0; done < kOutputRate; done += kBufferFrames) benchmark::DoNotOptimize(output.Pull(kBufferFrames));
  }
  StopSound(layer, sound);
}
BENCHMARK(BM_MixOneSecondOfBothStreams)->Unit(benchmark::kMillisecond);

void BM_StartSound(benchmark::State& state) {
  const SoundFiles files = GeneratedFiles();
  for (auto _ : state) {
    RecordingOutput output;
    AudioLayer layer(output);
    SoundState sound;
    StartSound(layer, sound, RunMode::Saver, {}, files);
    state.PauseTiming();
    StopSound(layer, sound);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartSound)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sorvane
