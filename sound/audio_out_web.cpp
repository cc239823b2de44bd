#include "sound/audio_out_web.h"

#include <emscripten/emscripten.h>

#include "sound/mixer.h"
#include "sound/pcm_source.h"

namespace sorvane {
namespace {

// A quarter of a second: a whole number of frames, so that buffer after
// buffer starts on a sample.
constexpr int kBufferFrames = kOutputRate / 4;

EM_JS(int, HasWebAudio, (), { return (window.AudioContext || window.webkitAudioContext) ? 1 : 0; });

EM_JS(int, OpenWebAudio, (void* output, int rate, int frames), {
  const Context = window.AudioContext || window.webkitAudioContext;
  let context;
  try {
    context = new Context({sampleRate: rate});
  } catch (e) {
    return 0;
  }
  const audio = {context: context, next: 0, timer: 0};
  const ahead = 1.0;
  const pump = () => {
    const now = context.currentTime;
    // At the start, and after the browser held the page back too long.
    if (audio.next < now) audio.next = now + 0.05;
    while (audio.next < now + ahead) {
      const samples = _sorvane_render_audio(output, frames) >> 1;
      const buffer = context.createBuffer(2, frames, rate);
      const left = buffer.getChannelData(0);
      const right = buffer.getChannelData(1);
      for (let i = 0; i < frames; ++i) {
        left[i] = HEAP16[samples + 2 * i] / 32768;
        right[i] = HEAP16[samples + 2 * i + 1] / 32768;
      }
      const source = context.createBufferSource();
      source.buffer = buffer;
      source.connect(context.destination);
      source.start(audio.next);
      audio.next += frames / rate;
    }
  };
  pump();
  audio.timer = setInterval(pump, 100);
  Module.sorvaneAudio = audio;
  return 1;
});

EM_JS(void, CloseWebAudio, (), {
  const audio = Module.sorvaneAudio;
  if (!audio) return;
  clearInterval(audio.timer);
  audio.context.close();
  delete Module.sorvaneAudio;
});

}  // namespace

bool WebAudioOutput::Available() { return HasWebAudio() != 0; }

bool WebAudioOutput::Open(Mixer& mixer) {
  Close();
  mixer_ = &mixer;
  if (OpenWebAudio(this, kOutputRate, kBufferFrames) == 0) {
    mixer_ = nullptr;
    return false;
  }
  return true;
}

void WebAudioOutput::Close() {
  if (mixer_ == nullptr) return;
  CloseWebAudio();
  mixer_ = nullptr;
}

const int16_t* WebAudioOutput::Render(size_t frames) {
  buffer_.resize(frames * kOutputChannels);
  mixer_->Render(buffer_.data(), frames);
  return buffer_.data();
}

}  // namespace sorvane

// Called by the page's scheduler above.
extern "C" EMSCRIPTEN_KEEPALIVE const int16_t* sorvane_render_audio(sorvane::WebAudioOutput* output, int frames) {
  return output->Render(static_cast<size_t>(frames));
}
