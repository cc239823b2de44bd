// Build-time generator of the two sound files the saver looks for:
// "sorvane.ogg" (music) and "svambient.ogg" (ambience), both seamless loops,
// brought to the same loudness with their peaks kept clear of full scale.
// Usage: gen_sounds <outdir>
#include <cmath>
#include <cstdio>
#include <string>

#include "tools/soundgen/dsp.h"
#include "tools/soundgen/tracks.h"
#include "tools/soundgen/vorbis_writer.h"

namespace {

using namespace sorvane::soundgen;

constexpr float kTargetLufs = -20.0f;
// Below −1 dBFS with room for the encoder's overshoot.
constexpr float kPeakCeiling = 0.75f;
constexpr float kQuality = 0.3f;

bool Finish(LoopBuffer track, const std::string& path, const char* title) {
  const float loudness = Loudness(track);
  float gain = std::pow(10.0f, (kTargetLufs - loudness) / 20.0f);
  gain = std::fmin(gain, kPeakCeiling / Peak(track));
  Scale(track, gain);
  std::printf("%s: %.1f s, %.1f LUFS, peak %.1f dBFS before encoding\n", path.c_str(),
              static_cast<double>(track.frames()) / kSampleRate, static_cast<double>(Loudness(track)),
              20.0 * std::log10(static_cast<double>(Peak(track))));
  return WriteOggVorbis(path, track, kQuality, title);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: gen_sounds <outdir>\n");
    return 2;
  }
  const std::string dir = argv[1];
  if (!Finish(RenderMusic(), dir + "/sorvane.ogg", "Sorvane") ||
      !Finish(RenderAmbience(), dir + "/svambient.ogg", "Sorvane ambience")) {
    std::fprintf(stderr, "gen_sounds: cannot write to %s\n", dir.c_str());
    return 1;
  }
  return 0;
}
