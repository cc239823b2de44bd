// gl_frame_rate: frames per second of the whole scene drawn through the GL
// device offscreen, each frame finished before the next (offscreen, the
// device's Present waits for it), and the last frame written as a binary PPM
// image when asked.
//
//   gl_frame_rate [--detail L] [--frames N] [--width W] [--height H] [--seed S] [--ppm FILE]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "device/device_gl.h"
#include "tests/support/scene_run.h"

namespace sorvane {
namespace {

struct Options {
  int detail = 2;
  int frames = 300;
  uint32_t width = 1024, height = 768, seed = 7;
  std::string ppm;
};

bool ParseOptions(int argc, char** argv, Options* o) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string key = argv[i], value = argv[i + 1];
    if (key == "--ppm") {
      o->ppm = value;
      continue;
    }
    char* end = nullptr;
    const long n = std::strtol(value.c_str(), &end, 10);
    if (*end != '\0' || n <= 0) return false;
    if (key == "--detail") o->detail = static_cast<int>(n);
    else if (key == "--frames") o->frames = static_cast<int>(n);
    else if (key == "--width") o->width = static_cast<uint32_t>(n);
    else if (key == "--height") o->height = static_cast<uint32_t>(n);
    else if (key == "--seed") o->seed = static_cast<uint32_t>(n);
    else return false;
  }
  return argc % 2 == 1;
}

bool WritePpm(Device& device, const std::string& path) {
  uint32_t width = 0, height = 0;
  std::vector<uint32_t> pixels;
  if (!ReadGlFrame(device, &width, &height, &pixels)) return false;
  FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  std::fprintf(f, "P6\n%u %u\n255\n", width, height);
  for (uint32_t p : pixels) {
    const unsigned char rgb[3] = {static_cast<unsigned char>(p >> 16), static_cast<unsigned char>(p >> 8),
                                  static_cast<unsigned char>(p)};
    std::fwrite(rgb, 1, 3, f);
  }
  return std::fclose(f) == 0;
}

int Run(const Options& o) {
  Direct3D* direct3d = CreateGlDirect3D({nullptr, 0, o.width, o.height});
  if (direct3d == nullptr) {
    std::fprintf(stderr, "gl_frame_rate: no EGL display with an OpenGL ES 3.0 context\n");
    return 1;
  }
  SceneRun run;
  std::string why;
  if (!run.Open(direct3d, o.width, o.height, o.detail, o.seed, &why)) {
    std::fprintf(stderr, "gl_frame_rate: %s\n", why.c_str());
    return 1;
  }
  // The fade-in is over after 14 frames; the timing starts after it.
  for (int n = 0; n < 14; ++n) run.Frame();
  const auto start = std::chrono::steady_clock::now();
  for (int n = 0; n < o.frames; ++n) run.Frame();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("detail %d %ux%u: %d frames in %.2f s, %.1f frames/s\n", o.detail, o.width, o.height, o.frames,
              seconds, o.frames / seconds);
  if (!o.ppm.empty() && !WritePpm(run.device(), o.ppm)) {
    std::fprintf(stderr, "gl_frame_rate: cannot write %s\n", o.ppm.c_str());
    return 1;
  }
  return 0;
}

}  // namespace
}  // namespace sorvane

int main(int argc, char** argv) {
  sorvane::Options options;
  if (!sorvane::ParseOptions(argc, argv, &options)) {
    std::fprintf(stderr, "usage: gl_frame_rate [--detail L] [--frames N] [--width W] [--height H] [--seed S] [--ppm FILE]\n");
    return 2;
  }
  return sorvane::Run(options);
}
