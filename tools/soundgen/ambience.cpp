// The ambience: noise shaped into a rumble and a surge whose slow movements all
// repeat a whole number of times per loop, plus scattered bubbles laid in with
// wrap-around. Every filter runs once round the loop before its output is kept,
// so the end flows into the start.
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/soundgen/dsp.h"
#include "tools/soundgen/tracks.h"

namespace sorvane::soundgen {

namespace {

constexpr int kSeconds = 60;

// A slow wandering value 0 … 1 made of cosines that each fit a whole number of
// times into the loop.
class SlowCurve {
 public:
  SlowCurve(Random& random, int lowest, int highest) {
    for (int k = lowest; k <= highest; ++k) terms_.push_back({static_cast<float>(k), random.Unit(), 1.0f / k});
    for (const Term& t : terms_) total_ += t.weight;
  }
  float At(float loopFraction) const {
    float sum = 0.0f;
    for (const Term& t : terms_) sum += t.weight * SineCycles(t.cycles * loopFraction + t.phase);
    return 0.5f + 0.5f * sum / total_;
  }

 private:
  struct Term {
    float cycles, phase, weight;
  };
  std::vector<Term> terms_;
  float total_ = 0.0f;
};

// Runs `render(i)` for each frame of the loop, twice: the first pass only
// settles the filters inside `render`.
template <typename Render>
void LoopTwice(size_t frames, Render render) {
  for (size_t i = 0; i < frames; ++i) render(i, false);
  for (size_t i = 0; i < frames; ++i) render(i, true);
}

void AddRumble(LoopBuffer& out, Random& random) {
  const size_t frames = out.frames();
  std::vector<float> noiseL(frames), noiseR(frames);
  for (size_t i = 0; i < frames; ++i) {
    const float common = random.Range(-1.0f, 1.0f);
    noiseL[i] = common + 0.35f * random.Range(-1.0f, 1.0f);
    noiseR[i] = common + 0.35f * random.Range(-1.0f, 1.0f);
  }
  const SlowCurve cutoff(random, 2, 7), level(random, 3, 9);
  OnePole l1, l2, r1, r2;
  Biquad highL = Biquad::HighPass(28.0f, 0.7f), highR = Biquad::HighPass(28.0f, 0.7f);
  LoopTwice(frames, [&](size_t i, bool keep) {
    const float f = static_cast<float>(i) / static_cast<float>(frames);
    const float hz = 55.0f + 110.0f * cutoff.At(f);
    const float l = highL.Process(l2.LowPass(l1.LowPass(noiseL[i], hz), hz));
    const float r = highR.Process(r2.LowPass(r1.LowPass(noiseR[i], hz), hz));
    if (!keep) return;
    const float gain = 1.3f * (0.55f + 0.45f * level.At(f));
    out.left[i] += l * gain;
    out.right[i] += r * gain;
  });
}

// Waves far above: band-passed noise swelling and ebbing every 6–12 s,
// drifting from side to side.
void AddSurge(LoopBuffer& out, LoopBuffer& send, Random& random) {
  const size_t frames = out.frames();
  std::vector<float> noise(frames);
  for (float& x : noise) x = random.Range(-1.0f, 1.0f);
  const SlowCurve swell(random, 5, 10), colour(random, 2, 6), drift(random, 1, 3);
  OnePole pink;
  Biquad bandLow = Biquad::BandPass(220.0f, 0.8f), bandHigh = Biquad::BandPass(520.0f, 0.9f);
  OnePole smoothColour;
  LoopTwice(frames, [&](size_t i, bool keep) {
    const float f = static_cast<float>(i) / static_cast<float>(frames);
    const float base = pink.LowPass(noise[i], 900.0f);
    const float c = smoothColour.LowPass(colour.At(f), 5.0f);
    const float x = bandLow.Process(base) * (1.0f - 0.6f * c) + bandHigh.Process(base) * 0.6f * c;
    if (!keep) return;
    const float s = swell.At(f);
    const float gain = 0.9f * s * s * s;
    const float pan = 0.25f + 0.5f * drift.At(f);
    const float l = x * gain * std::sqrt(1.0f - pan), r = x * gain * std::sqrt(pan);
    out.Add(i, l, r);
    send.Add(i, l * 0.8f, r * 0.8f);
  });
}

// One bubble: a sine whose pitch rises as it dies away (a small resonating air
// pocket), its size deciding pitch and decay.
void AddBubble(LoopBuffer& out, LoopBuffer& send, size_t start, float frequency, float level, float pan,
               float distance) {
  const float damping = 0.043f * frequency + 0.0014f * std::pow(frequency, 1.5f);
  const size_t length = static_cast<size_t>(6.0f / damping * kSampleRate);
  const float rise = 0.12f * damping;
  double phase = 0.0;
  OnePole muffle;
  const float muffleHz = 5000.0f - 3800.0f * distance;
  for (size_t i = 0; i < length; ++i) {
    const float t = static_cast<float>(i) / kSampleRate;
    const float attack = std::fmin(1.0f, t / 0.0015f);
    const float v = muffle.LowPass(SineCycles(phase) * std::exp(-damping * t) * attack, muffleHz) * level;
    phase += frequency * (1.0f + rise * t) / kSampleRate;
    const float l = v * std::sqrt(1.0f - pan), r = v * std::sqrt(pan);
    out.Add(start + i, l * (1.0f - distance * 0.5f), r * (1.0f - distance * 0.5f));
    send.Add(start + i, l * distance, r * distance);
  }
}

void AddBubbles(LoopBuffer& out, LoopBuffer& send, Random& random) {
  const size_t frames = out.frames();
  size_t at = static_cast<size_t>(1.3f * kSampleRate);
  while (at < frames) {
    const float distance = random.Unit();
    const float pan = random.Range(0.15f, 0.85f);
    const int count = 1 + random.Below(7);
    // Bigger bursts carry bigger (lower) bubbles too.
    const float lowest = count > 4 ? 380.0f : 650.0f;
    size_t t = at;
    for (int b = 0; b < count; ++b) {
      const float frequency = lowest * std::pow(2.0f, random.Range(0.0f, 1.8f));
      const float level = random.Range(0.15f, 0.35f) * (1.0f - 0.6f * distance);
      AddBubble(out, send, t, frequency, level, std::clamp(pan + random.Range(-0.1f, 0.1f), 0.0f, 1.0f), distance);
      t += static_cast<size_t>(random.Range(0.03f, 0.28f) * kSampleRate);
    }
    at += static_cast<size_t>(random.Range(2.5f, 9.0f) * kSampleRate);
  }
}

}  // namespace

LoopBuffer RenderAmbience() {
  LoopBuffer out(static_cast<size_t>(kSeconds) * kSampleRate);
  LoopBuffer send(out.frames());
  Random random(0xA3B1);
  AddRumble(out, random);
  AddSurge(out, send, random);
  AddBubbles(out, send, random);
  Reverb reverb(1.8f, 1800.0f, 0.8f);
  ReverbLoop(send, reverb, static_cast<size_t>(8 * kSampleRate), 0.5f, out);
  return out;
}

}  // namespace sorvane::soundgen
