#include "shell/page_host_web.h"

#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include <cstdio>
#include <ctime>

#include "device/device_gl.h"
#include "shell/embedded_resources.h"
#include "shell/embedded_sounds_web.h"
#include "shell/messages.h"
#include "shell/page_web.h"

namespace sorvane {
namespace {

constexpr const char* kCanvas = "#canvas";

uint32_t PageMs() { return static_cast<uint32_t>(emscripten_get_now()); }

Size CanvasSize() {
  int width = 0, height = 0;
  emscripten_get_canvas_element_size(kCanvas, &width, &height);
  return Size{width, height};
}

SaverSetup SetupFor(const QueryOptions& query, const Settings& settings) {
  SaverSetup setup;
  setup.settings = settings;
  setup.cycleRunner = CycleRunner::BetweenFrames;
  // A snapshot's frame is the same every time: its seed given (or the hack's
  // default), the sway held still.
  setup.seed = query.snapshot || query.seeded ? query.options.seed : static_cast<uint32_t>(std::time(nullptr));
  setup.swayClock = query.snapshot ? nullptr : PageMs;
  return setup;
}

// The first click or key press calls back once, while the browser still
// counts it as the user's: audio may start then.
EM_JS(void, WaitForGesture, (void* host), {
  const once = () => {
    removeEventListener('pointerdown', once, true);
    removeEventListener('keydown', once, true);
    _sorvane_gesture(host);
  };
  addEventListener('pointerdown', once, true);
  addEventListener('keydown', once, true);
});

}  // namespace

PageHost::PageHost(const QueryOptions& query)
    : query_(query), settings_(LoadSettings(query_.options.settings)), saver_(SetupFor(query_, settings_)) {}

bool PageHost::Fail(const char* sentence) {
  std::fprintf(stderr, "sorvane: %s\n", sentence);
  ShowSentence(sentence);
  SetPageState("failed");
  return false;
}

bool PageHost::Start(uint32_t nowMs) {
  if (!saver_.StartCycle()) return Fail(kInitFailedText);
  GlSurface surface;
  surface.canvas = kCanvas;
  Direct3D* direct3d = CreateGlDirect3D(surface);
  if (direct3d == nullptr) return Fail(kNoWebGl2Text);
  EmbeddedResourceSource resources;
  SceneError error = kSceneErrorUnknown;
  size_ = CanvasSize();
  if (!saver_.InitScene(direct3d, size_, nullptr, resources, error)) return Fail(SceneErrorMessage(error));
  pacer_.Start(nowMs);
  if (settings_.playMusic == 0 || settings_.playSound == 0) {
    std::printf("sorvane: the sound starts at the first click or key press\n");
    WaitForGesture(this);
  }
  SetPageState("running");
  return true;
}

bool PageHost::Animate(uint32_t nowMs) {
  const Size size = CanvasSize();
  if (size.width != size_.width || size.height != size_.height) {
    size_ = size;
    saver_.Resize(size_);
  }
  if (!query_.snapshot && !pacer_.Next(nowMs).drawFrame) return true;
  const FrameResult frame = saver_.DrawFrame();
  if (frame == FrameResult::DeviceLost || frame == FrameResult::DeviceNotReset) return Fail("The device was lost.");
  if (query_.options.fps) {
    meter_.Frame(nowMs);
    ShowReadout(meter_.text());
  }
  if (query_.snapshot && ++framesDrawn_ == query_.options.frames) {
    std::printf("sorvane: frame %d of seed %u drawn\n", framesDrawn_, query_.options.seed);
    SetPageState("done");
    return false;
  }
  return true;
}

void PageHost::Gesture() {
  StartSound(layer_, sound_, RunMode::Saver, SoundSettings{settings_.playMusic, settings_.playSound, settings_.volume},
             WriteEmbeddedSounds());
  std::printf("sorvane: sound %s\n", layer_.initialised() ? "started" : "unavailable");
}

}  // namespace sorvane

extern "C" EMSCRIPTEN_KEEPALIVE void sorvane_gesture(sorvane::PageHost* host) { host->Gesture(); }
