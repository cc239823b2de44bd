// Small deterministic signal-processing pieces for the sound generators: a
// random source, a table oscillator, filters, a feedback-delay-network reverb
// and a loudness measure. Float arithmetic only, the same bits on every run.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "tools/soundgen/loop_buffer.h"

namespace sorvane::soundgen {

constexpr float kTwoPi = 6.28318530717958647692f;

class Random {
 public:
  explicit Random(uint32_t seed) : state_(seed * 2654435761u + 0x9E3779B9u) {}
  uint32_t Next();
  // Uniform in [0, 1).
  float Unit() { return static_cast<float>(Next() >> 8) * (1.0f / 16777216.0f); }
  float Range(float low, float high) { return low + (high - low) * Unit(); }
  int Below(int n) { return static_cast<int>(Unit() * static_cast<float>(n)); }

 private:
  uint32_t state_;
};

// sin(2π · phase) for a phase in cycles, from a table with linear interpolation.
float SineCycles(double phase);

// One period of a soft pad wave (harmonic n at 1/n^1.6, even ones a little
// weaker), read like SineCycles.
float PadWave(double phase);

// MIDI note number to frequency (A4 = 69 = 440 Hz).
float NoteFrequency(float note);

// One-pole low-pass; cutoff may change per sample.
class OnePole {
 public:
  float LowPass(float x, float cutoffHz);

 private:
  float state_ = 0.0f;
};

// Direct-form-I biquad with RBJ cookbook designs.
class Biquad {
 public:
  static Biquad BandPass(float centreHz, float q);
  static Biquad LowPass(float cutoffHz, float q);
  static Biquad HighPass(float cutoffHz, float q);
  static Biquad HighShelf(float centreHz, float q, float gainDb);
  float Process(float x);

 private:
  float b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  float x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Eight delay lines mixed by a Hadamard matrix, each damped by a low-pass, fed
// from a stereo send and tapped for a stereo return.
class Reverb {
 public:
  Reverb(float decaySeconds, float dampingHz, float sizeScale);
  void Process(float inLeft, float inRight, float& outLeft, float& outRight);

 private:
  std::array<std::vector<float>, 8> lines_;
  std::array<size_t, 8> positions_{};
  std::array<float, 8> gains_{};
  std::array<OnePole, 8> damping_;
  float dampingHz_;
};

// Runs `send` through the reverb as a loop: first over its last `warmUpFrames`
// to fill the lines with what the end leaves behind, then over the whole
// buffer, adding the return times `level` to `out`.
void ReverbLoop(const LoopBuffer& send, Reverb& reverb, size_t warmUpFrames, float level, LoopBuffer& out);

// Integrated loudness without gating (ITU-R BS.1770 K-weighting), in LUFS.
float Loudness(const LoopBuffer& track);
// Largest absolute sample.
float Peak(const LoopBuffer& track);
void Scale(LoopBuffer& track, float gain);

}  // namespace sorvane::soundgen
