// The xscreensaver hack's entry: its options, the stop signals, then the scene
// in the window it draws into, or one frame offscreen for --snapshot.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "device/device_gl.h"
#include "saver/saver_core.h"
#include "shell/data_folder_posix.h"
#include "shell/embedded_resources.h"
#include "shell/frame_pacer.h"
#include "shell/frame_rate.h"
#include "shell/hack_options.h"
#include "shell/hack_target.h"
#include "shell/messages.h"
#include "shell/png_file.h"
#include "shell/stop_signal_posix.h"
#include "shell/x11_window_x11.h"
#include "sound/pcm_out_alsa.h"
#include "sound/sound.h"

namespace sorvane {

namespace {

// The snapshot's frame: the size of the screens the Windows saver is tried on.
constexpr Size kSnapshotSize{1024, 768};

uint32_t SteadyMs() {
  using namespace std::chrono;
  return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "sorvane: %s\n", message.c_str());
  return 1;
}

// The saver ends in order, or, when its thread would not stop, at once: the
// thread may still be using the scene.
int Finish(SaverCore& saver, int status) {
  if (saver.Shutdown()) return status;
  Fail("the calculation thread did not stop");
  std::_Exit(1);
}

enum class Start { Ready, Stopped, Failed };

// The calculation thread, the GL object and the scene, with a look at the
// stop request between the steps.
Start StartScene(SaverCore& saver, const GlSurface& surface, Size size) {
  if (StopRequested()) return Start::Stopped;
  if (!saver.StartCycle()) {
    Fail("cannot start the calculation thread");
    return Start::Failed;
  }
  if (StopRequested()) return Start::Stopped;
  Direct3D* direct3d = CreateGlDirect3D(surface);
  if (!direct3d) {
    Fail("no OpenGL ES 3.0 through EGL to draw with");
    return Start::Failed;
  }
  if (StopRequested()) {
    direct3d->Release();
    return Start::Stopped;
  }
  EmbeddedResourceSource resources;
  SceneError error = kSceneErrorUnknown;
  if (!saver.InitScene(direct3d, size, nullptr, resources, error)) {
    Fail(SceneErrorMessage(error));
    return Start::Failed;
  }
  return StopRequested() ? Start::Stopped : Start::Ready;
}

int RunOnDisplay(HackOptions& options, const HackTarget& target) {
  X11Window window;
  std::string error;
  if (!window.Open(target, &error)) return Fail(error);
  const Settings settings = LoadSettings(options.settings);
  SaverSetup setup;
  setup.settings = settings;
  setup.seed = static_cast<uint32_t>(std::time(nullptr));
  setup.swayClock = SteadyMs;
  SaverCore saver(setup);
  Size size = window.size();
  const Start start = StartScene(saver, GlSurface{window.display(), window.window()}, size);
  if (start != Start::Ready) return Finish(saver, start == Start::Stopped ? 0 : 1);

  AlsaOutput output;
  AudioLayer layer(output);
  SoundState sound;
  const std::string data = HackDataFolder();
  StartSound(layer, sound, target.mode, SoundSettings{settings.playMusic, settings.playSound, settings.volume},
             SoundFiles{data + "/" + kMusicFile, data + "/" + kAmbientFile});

  FramePacer pacer;
  pacer.Start(SteadyMs());
  FrameRateMeter meter;
  int status = 0;
  while (!StopRequested()) {
    const WindowEvents events = window.Pump();
    if (events.endRequested) break;
    if (events.size.width != size.width || events.size.height != size.height) {
      size = events.size;
      saver.Resize(size);
    }
    const PaceDecision pace = pacer.Next(SteadyMs());
    if (!pace.drawFrame) {
      WaitForInputOrStop(window.fd(), pace.sleepMs);
      continue;
    }
    const FrameResult frame = saver.DrawFrame();
    if (frame == FrameResult::DeviceLost || frame == FrameResult::DeviceNotReset) {
      status = Fail("the device was lost");
      break;
    }
    if (options.fps) {
      meter.Frame(SteadyMs());
      window.DrawReadout(meter.text());
    }
  }
  StopSound(layer, sound);
  return Finish(saver, status);
}

int RunSnapshot(HackOptions& options) {
  // No sway clock, so that a frame of a seed is the same every time.
  SaverSetup setup;
  setup.settings = LoadSettings(options.settings);
  setup.seed = options.seed;
  // The cycle between the frames: nothing the frame waits for can come late.
  setup.cycleRunner = CycleRunner::BetweenFrames;
  SaverCore saver(setup);
  const GlSurface surface{nullptr, 0, static_cast<uint32_t>(kSnapshotSize.width),
                          static_cast<uint32_t>(kSnapshotSize.height)};
  const Start start = StartScene(saver, surface, kSnapshotSize);
  if (start != Start::Ready) return Finish(saver, start == Start::Stopped ? 0 : 1);
  for (int32_t i = 0; i < options.frames; ++i) {
    if (StopRequested()) return Finish(saver, 0);
    const FrameResult frame = saver.DrawFrame();
    if (frame == FrameResult::DeviceLost || frame == FrameResult::DeviceNotReset)
      return Finish(saver, Fail("the device was lost"));
  }
  uint32_t width = 0;
  uint32_t height = 0;
  std::vector<uint32_t> pixels;
  if (!ReadGlFrame(*saver.device(), &width, &height, &pixels)) return Finish(saver, Fail("no frame to read back"));
  int status = 0;
  if (!WritePng(options.snapshot, width, height, pixels)) status = Fail("cannot write " + options.snapshot);
  return Finish(saver, status);
}

}  // namespace

}  // namespace sorvane

int main(int argc, char** argv) {
  using namespace sorvane;
  // First of all: a stop from now on ends the hack in order.
  if (!InstallStopSignals()) return Fail("cannot handle SIGTERM");
  ParsedOptions parsed = ParseHackOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (parsed.outcome == ParseOutcome::Help) {
    std::fputs(HackUsage().c_str(), stdout);
    return 0;
  }
  if (parsed.outcome == ParseOutcome::UsageError) {
    std::fprintf(stderr, "sorvane: %s\n%s", parsed.error.c_str(), HackUsage().c_str());
    return 2;
  }
  for (const std::string& warning : parsed.warnings) std::fprintf(stderr, "sorvane: %s\n", warning.c_str());
  const HackTarget target = ChooseHackTarget(parsed.options, std::getenv("XSCREENSAVER_WINDOW"));
  return target.kind == TargetKind::Offscreen ? RunSnapshot(parsed.options) : RunOnDisplay(parsed.options, target);
}
