// Our audio layer: the few operations the saver's sound uses. Initialise on the
// default device or on the silent device, a global stream volume of the
// layer's own (the user's system volume is never touched), looping streams
// from Ogg Vorbis files, play, stop and free.
#pragma once
#include <string>

#include "sound/audio_output.h"
#include "sound/mixer.h"

namespace sorvane {

constexpr int kDefaultDevice = -1;
// Initialises without output: streams are created and "play" unheard.
constexpr int kSilentDevice = -2;

class AudioLayer {
 public:
  explicit AudioLayer(AudioOutput& output) : output_(output) {}
  ~AudioLayer() { Free(); }
  AudioLayer(const AudioLayer&) = delete;
  AudioLayer& operator=(const AudioLayer&) = delete;

  // False when already initialised, when `device` is neither of the two above,
  // or when the default device is asked for and there is none.
  bool Init(int device);
  // Output begins (on a real device); false when not initialised.
  bool Start();
  int StreamVolume() const { return mixer_.volume(); }
  void SetStreamVolume(int volume) { mixer_.SetVolume(volume); }
  // 0 when not initialised or the file cannot be played (missing, not Ogg
  // Vorbis, not 44.1 kHz).
  StreamHandle CreateStream(const std::string& path);
  bool Play(StreamHandle stream, bool loop);
  // Output ends; the streams stay.
  void Stop();
  // Output ends and every stream is released; the volume stays.
  void Free();

  bool initialised() const { return initialised_; }
  const Mixer& mixer() const { return mixer_; }

 private:
  AudioOutput& output_;
  Mixer mixer_;
  bool initialised_ = false;
  bool silent_ = false;
  bool running_ = false;
};

}  // namespace sorvane
