// The music: chords, bass and melody are laid into a loop buffer with wrap-
// around, so notes ringing past the end sound at the start, and the reverb runs
// once round the loop to warm up before its return is kept.
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "tools/soundgen/dsp.h"
#include "tools/soundgen/tracks.h"

namespace sorvane::soundgen {

namespace {

constexpr float kChordSeconds = 7.5f;
constexpr int kChordCount = 24;
constexpr int kSlotsPerChord = 10;  // melody grid of 0.75 s

struct Chord {
  int bass;
  std::array<int, 4> pad;
};

// D minor: i, VI, III, VII, iv and a suspended V that leads back to i.
constexpr Chord kDm9{38, {50, 57, 64, 65}};
constexpr Chord kBbMaj9{34, {53, 57, 60, 62}};
constexpr Chord kFMaj9{41, {57, 60, 64, 67}};
constexpr Chord kCAdd9{36, {55, 60, 62, 64}};
constexpr Chord kGm9{43, {58, 62, 65, 69}};
constexpr Chord kBbMaj7{34, {53, 57, 62, 65}};
constexpr Chord kDmOverA{45, {53, 57, 62, 64}};
constexpr Chord kAsus4{33, {52, 57, 62, 67}};

constexpr std::array<Chord, kChordCount> kProgression = {
    kDm9, kBbMaj9, kFMaj9, kCAdd9, kDm9, kBbMaj9, kGm9, kAsus4,
    kGm9, kBbMaj7, kDmOverA, kCAdd9, kGm9, kBbMaj9, kFMaj9, kAsus4,
    kDm9, kBbMaj9, kFMaj9, kCAdd9, kGm9, kBbMaj7, kDmOverA, kAsus4};

// How busy the melody is in each of the three sections (notes per slot).
constexpr std::array<float, 3> kMelodyDensity = {0.18f, 0.32f, 0.24f};

// D minor pentatonic from A4 to F6, above the pads.
constexpr std::array<int, 9> kMelodyScale = {69, 72, 74, 77, 79, 81, 84, 86, 89};

struct Buses {
  explicit Buses(size_t frames) : dry(frames), send(frames) {}
  LoopBuffer dry;
  LoopBuffer send;
};

float Envelope(float t, float attack, float hold, float release) {
  if (t < attack) return 0.5f - 0.5f * std::cos(3.14159265f * t / attack);
  if (t < attack + hold) return 1.0f;
  const float r = (t - attack - hold) / release;
  return r >= 1.0f ? 0.0f : 0.5f + 0.5f * std::cos(3.14159265f * r);
}

// One pad note: two slightly detuned table oscillators per side, through a low-
// pass that opens and closes with the swell of the note.
void AddPadNote(Buses& buses, size_t start, float seconds, int note, float pan, Random& random) {
  constexpr float kAttack = 2.8f, kRelease = 3.5f;
  const size_t length = static_cast<size_t>((seconds + kRelease) * kSampleRate);
  const float hold = seconds - kAttack;
  const float frequency = NoteFrequency(static_cast<float>(note));
  const std::array<double, 4> step = {
      frequency * std::pow(2.0, -6.0 / 1200.0) / kSampleRate, frequency * std::pow(2.0, 5.0 / 1200.0) / kSampleRate,
      frequency * std::pow(2.0, -3.0 / 1200.0) / kSampleRate, frequency * std::pow(2.0, 7.0 / 1200.0) / kSampleRate};
  std::array<double, 4> phase = {random.Unit(), random.Unit(), random.Unit(), random.Unit()};
  OnePole filterL, filterR;
  // Lower notes carry a little more so the chord stays balanced.
  const float level = 0.055f * std::pow(2.0f, -(static_cast<float>(note) - 57.0f) / 36.0f);
  const float gainL = level * std::sqrt(1.0f - pan), gainR = level * std::sqrt(pan);
  for (size_t i = 0; i < length; ++i) {
    const float t = static_cast<float>(i) / kSampleRate;
    const float env = Envelope(t, kAttack, hold, kRelease);
    const float cutoff = 350.0f + 1100.0f * env;
    const float left = filterL.LowPass(PadWave(phase[0]) + PadWave(phase[1]), cutoff);
    const float right = filterR.LowPass(PadWave(phase[2]) + PadWave(phase[3]), cutoff);
    for (size_t k = 0; k < 4; ++k) phase[k] += step[k];
    const float l = left * env * gainL, r = right * env * gainR;
    buses.dry.Add(start + i, l, r);
    buses.send.Add(start + i, l * 0.6f, r * 0.6f);
  }
}

void AddBassNote(Buses& buses, size_t start, int note) {
  constexpr float kAttack = 1.5f, kRelease = 2.5f;
  const size_t length = static_cast<size_t>((kChordSeconds + kRelease) * kSampleRate);
  const double step = NoteFrequency(static_cast<float>(note)) / kSampleRate;
  for (size_t i = 0; i < length; ++i) {
    const float t = static_cast<float>(i) / kSampleRate;
    const double phase = step * static_cast<double>(i);
    const float x = SineCycles(phase) + 0.25f * SineCycles(2.0 * phase) + 0.08f * SineCycles(3.0 * phase);
    const float v = x * Envelope(t, kAttack, kChordSeconds - kAttack, kRelease) * 0.085f;
    buses.dry.Add(start + i, v, v);
    buses.send.Add(start + i, v * 0.2f, v * 0.2f);
  }
}

// A soft glass-marimba: a few partials, the higher ones dying away fast.
void AddBell(Buses& buses, size_t start, int note, float velocity, float pan) {
  struct Partial {
    float ratio, amplitude, decay;
  };
  constexpr std::array<Partial, 4> kPartials = {
      {{1.0f, 1.0f, 1.9f}, {2.0f, 0.16f, 1.1f}, {3.93f, 0.12f, 0.4f}, {9.2f, 0.02f, 0.1f}}};
  constexpr float kAttack = 0.006f;
  const size_t length = static_cast<size_t>(7.0f * kSampleRate);
  const float frequency = NoteFrequency(static_cast<float>(note));
  const float level = 0.13f * velocity;
  const float gainL = level * std::sqrt(1.0f - pan), gainR = level * std::sqrt(pan);
  std::array<float, 4> decayStep;
  for (size_t k = 0; k < 4; ++k) decayStep[k] = std::exp(-1.0f / (kPartials[k].decay * kSampleRate));
  std::array<float, 4> amplitude;
  for (size_t k = 0; k < 4; ++k) amplitude[k] = kPartials[k].amplitude;
  for (size_t i = 0; i < length; ++i) {
    const float t = static_cast<float>(i) / kSampleRate;
    const double phase = static_cast<double>(frequency) * static_cast<double>(i) / kSampleRate;
    float x = 0.0f;
    for (size_t k = 0; k < 4; ++k) {
      x += amplitude[k] * SineCycles(phase * kPartials[k].ratio);
      amplitude[k] *= decayStep[k];
    }
    const float attack = t < kAttack ? t / kAttack : 1.0f;
    // The last half second fades out whatever is left.
    const float tail = std::fmin(1.0f, (7.0f - t) / 0.5f);
    const float v = x * attack * tail;
    buses.dry.Add(start + i, v * gainL, v * gainR);
    buses.send.Add(start + i, v * gainL * 1.4f, v * gainR * 1.4f);
  }
}

// The melody wanders over the pentatonic scale in small steps, starts phrases
// on chord tones, and rests more than it plays.
void AddMelody(Buses& buses, Random& random) {
  const size_t slotFrames = static_cast<size_t>(kChordSeconds / kSlotsPerChord * kSampleRate);
  int index = 3;
  for (int chord = 0; chord < kChordCount; ++chord) {
    const float density = kMelodyDensity[static_cast<size_t>(chord / 8)];
    // The last slots of a chord stay quiet so the change breathes.
    for (int slot = 0; slot < kSlotsPerChord - 2; ++slot) {
      if (random.Unit() >= density) continue;
      const int move = random.Below(5) - 2;
      index = std::clamp(index + move, 0, static_cast<int>(kMelodyScale.size()) - 1);
      int note = kMelodyScale[static_cast<size_t>(index)];
      if (slot < 2) {
        // On the downbeat prefer the nearest chord tone an octave up.
        for (int tone : kProgression[static_cast<size_t>(chord)].pad) {
          for (int octave : {12, 24, 36}) {
            if (std::abs(tone + octave - note) <= 2) note = tone + octave;
          }
        }
      }
      const float velocity = random.Range(0.55f, 1.0f) * (slot % 2 == 0 ? 1.0f : 0.8f);
      const int swing = static_cast<int>(random.Range(-0.02f, 0.02f) * kSampleRate);
      const size_t start =
          static_cast<size_t>(chord * kSlotsPerChord + slot) * slotFrames + static_cast<size_t>(swing + kSampleRate);
      const float pan = random.Range(0.3f, 0.7f);
      AddBell(buses, start, note, velocity, pan);
      // Now and then a quiet echo an octave up, further to one side.
      if (random.Unit() < 0.2f) AddBell(buses, start + slotFrames / 2, note + 12, velocity * 0.35f, 1.0f - pan);
    }
  }
}

}  // namespace

LoopBuffer RenderMusic() {
  const size_t chordFrames = static_cast<size_t>(kChordSeconds * kSampleRate);
  Buses buses(chordFrames * kChordCount);
  Random random(0x50A7);
  for (int c = 0; c < kChordCount; ++c) {
    const Chord& chord = kProgression[static_cast<size_t>(c)];
    // Chords arrive a little before the bar so they have swelled by then.
    const size_t start = static_cast<size_t>(c) * chordFrames + buses.dry.frames() - kSampleRate;
    for (size_t v = 0; v < chord.pad.size(); ++v) {
      const float pan = 0.2f + 0.2f * static_cast<float>(v) + random.Range(-0.05f, 0.05f);
      AddPadNote(buses, start, kChordSeconds + 1.0f, chord.pad[v], pan, random);
    }
    AddBassNote(buses, start + kSampleRate / 2, chord.bass);
  }
  AddMelody(buses, random);

  LoopBuffer out = buses.dry;
  Reverb reverb(4.5f, 3200.0f, 1.6f);
  ReverbLoop(buses.send, reverb, static_cast<size_t>(20 * kSampleRate), 0.55f, out);
  return out;
}

}  // namespace sorvane::soundgen
