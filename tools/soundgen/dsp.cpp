#include "tools/soundgen/dsp.h"

#include <cmath>

namespace sorvane::soundgen {

namespace {

constexpr int kTableSize = 4096;

struct WaveTables {
  WaveTables() {
    for (int i = 0; i <= kTableSize; ++i) {
      const double x = static_cast<double>(i) / kTableSize;
      sine[i] = static_cast<float>(std::sin(6.283185307179586 * x));
      double pad = 0.0;
      for (int n = 1; n <= 12; ++n) {
        const double weight = (n % 2 == 0 ? 0.6 : 1.0) / std::pow(n, 1.6);
        pad += weight * std::sin(6.283185307179586 * n * x);
      }
      padWave[i] = static_cast<float>(pad * 0.7);
    }
  }
  float sine[kTableSize + 1];
  float padWave[kTableSize + 1];
};

const WaveTables& Tables() {
  static const WaveTables tables;
  return tables;
}

float ReadTable(const float* table, double phase) {
  const double wrapped = phase - std::floor(phase);
  const double position = wrapped * kTableSize;
  const int index = static_cast<int>(position);
  const float fraction = static_cast<float>(position - index);
  return table[index] + (table[index + 1] - table[index]) * fraction;
}

}  // namespace

uint32_t Random::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}

float SineCycles(double phase) { return ReadTable(Tables().sine, phase); }
float PadWave(double phase) { return ReadTable(Tables().padWave, phase); }

float NoteFrequency(float note) { return 440.0f * std::pow(2.0f, (note - 69.0f) / 12.0f); }

float OnePole::LowPass(float x, float cutoffHz) {
  const float a = 1.0f - std::exp(-kTwoPi * cutoffHz / kSampleRate);
  state_ += a * (x - state_);
  return state_;
}

namespace {
struct RbjTerms {
  float cosW, alpha;
};
RbjTerms Terms(float hz, float q) {
  const float w = kTwoPi * hz / kSampleRate;
  return {std::cos(w), std::sin(w) / (2.0f * q)};
}
}  // namespace

Biquad Biquad::BandPass(float centreHz, float q) {
  const RbjTerms t = Terms(centreHz, q);
  const float a0 = 1.0f + t.alpha;
  Biquad f;
  f.b0_ = t.alpha / a0;
  f.b1_ = 0.0f;
  f.b2_ = -t.alpha / a0;
  f.a1_ = -2.0f * t.cosW / a0;
  f.a2_ = (1.0f - t.alpha) / a0;
  return f;
}

Biquad Biquad::LowPass(float cutoffHz, float q) {
  const RbjTerms t = Terms(cutoffHz, q);
  const float a0 = 1.0f + t.alpha;
  Biquad f;
  f.b0_ = (1.0f - t.cosW) / 2.0f / a0;
  f.b1_ = (1.0f - t.cosW) / a0;
  f.b2_ = f.b0_;
  f.a1_ = -2.0f * t.cosW / a0;
  f.a2_ = (1.0f - t.alpha) / a0;
  return f;
}

Biquad Biquad::HighPass(float cutoffHz, float q) {
  const RbjTerms t = Terms(cutoffHz, q);
  const float a0 = 1.0f + t.alpha;
  Biquad f;
  f.b0_ = (1.0f + t.cosW) / 2.0f / a0;
  f.b1_ = -(1.0f + t.cosW) / a0;
  f.b2_ = f.b0_;
  f.a1_ = -2.0f * t.cosW / a0;
  f.a2_ = (1.0f - t.alpha) / a0;
  return f;
}

Biquad Biquad::HighShelf(float centreHz, float q, float gainDb) {
  const RbjTerms t = Terms(centreHz, q);
  const float a = std::pow(10.0f, gainDb / 40.0f);
  const float root = 2.0f * std::sqrt(a) * t.alpha;
  const float a0 = (a + 1.0f) - (a - 1.0f) * t.cosW + root;
  Biquad f;
  f.b0_ = a * ((a + 1.0f) + (a - 1.0f) * t.cosW + root) / a0;
  f.b1_ = -2.0f * a * ((a - 1.0f) + (a + 1.0f) * t.cosW) / a0;
  f.b2_ = a * ((a + 1.0f) + (a - 1.0f) * t.cosW - root) / a0;
  f.a1_ = 2.0f * ((a - 1.0f) - (a + 1.0f) * t.cosW) / a0;
  f.a2_ = ((a + 1.0f) - (a - 1.0f) * t.cosW - root) / a0;
  return f;
}

float Biquad::Process(float x) {
  const float y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
  x2_ = x1_;
  x1_ = x;
  y2_ = y1_;
  y1_ = y;
  return y;
}

Reverb::Reverb(float decaySeconds, float dampingHz, float sizeScale) : dampingHz_(dampingHz) {
  // Mutually prime lengths (33 … 89 ms at size 1) so the echoes never line up.
  constexpr std::array<int, 8> kLengths = {1447, 1741, 2053, 2381, 2713, 3089, 3469, 3931};
  for (size_t i = 0; i < lines_.size(); ++i) {
    const size_t length = static_cast<size_t>(static_cast<float>(kLengths[i]) * sizeScale);
    lines_[i].assign(length, 0.0f);
    // −60 dB after decaySeconds, whatever the line's length.
    gains_[i] = std::pow(10.0f, -3.0f * static_cast<float>(length) / (decaySeconds * kSampleRate));
  }
}

void Reverb::Process(float inLeft, float inRight, float& outLeft, float& outRight) {
  std::array<float, 8> v;
  for (size_t i = 0; i < 8; ++i) v[i] = lines_[i][positions_[i]];
  outLeft = (v[0] + v[2] + v[4] + v[6]) * 0.5f;
  outRight = (v[1] + v[3] + v[5] + v[7]) * 0.5f;
  // Fast Hadamard transform, scaled to keep energy.
  for (size_t span = 1; span < 8; span *= 2) {
    for (size_t i = 0; i < 8; i += 2 * span) {
      for (size_t j = i; j < i + span; ++j) {
        const float a = v[j];
        const float b = v[j + span];
        v[j] = a + b;
        v[j + span] = a - b;
      }
    }
  }
  constexpr float kNorm = 0.35355339f;
  for (size_t i = 0; i < 8; ++i) {
    const float input = (i % 2 == 0 ? inLeft : inRight) * (i < 4 ? 0.5f : -0.5f);
    const float fed = damping_[i].LowPass(v[i] * kNorm * gains_[i], dampingHz_) + input;
    lines_[i][positions_[i]] = fed;
    if (++positions_[i] == lines_[i].size()) positions_[i] = 0;
  }
}

void ReverbLoop(const LoopBuffer& send, Reverb& reverb, size_t warmUpFrames, float level, LoopBuffer& out) {
  const size_t frames = send.frames();
  float l = 0.0f, r = 0.0f;
  for (size_t i = frames - warmUpFrames % frames; i < frames; ++i) reverb.Process(send.left[i], send.right[i], l, r);
  for (size_t i = 0; i < frames; ++i) {
    reverb.Process(send.left[i], send.right[i], l, r);
    out.left[i] += l * level;
    out.right[i] += r * level;
  }
}

float Loudness(const LoopBuffer& track) {
  double sum = 0.0;
  for (const std::vector<float>* channel : {&track.left, &track.right}) {
    Biquad shelf = Biquad::HighShelf(1681.97f, 0.7071752f, 3.99984f);
    Biquad highPass = Biquad::HighPass(38.1355f, 0.5003270f);
    for (float x : *channel) {
      const double y = highPass.Process(shelf.Process(x));
      sum += y * y;
    }
  }
  return static_cast<float>(-0.691 + 10.0 * std::log10(sum / static_cast<double>(track.frames()) + 1e-20));
}

float Peak(const LoopBuffer& track) {
  float peak = 0.0f;
  for (const std::vector<float>* channel : {&track.left, &track.right}) {
    for (float x : *channel) peak = std::fmax(peak, std::fabs(x));
  }
  return peak;
}

void Scale(LoopBuffer& track, float gain) {
  for (float& x : track.left) x *= gain;
  for (float& x : track.right) x *= gain;
}

}  // namespace sorvane::soundgen
