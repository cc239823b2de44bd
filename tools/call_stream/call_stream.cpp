// call_stream: builds the scene from a seed through the recording device, runs
// its frames with the calculation cycle between them, as the saver core runs
// them without a thread, and prints the digests of call_digest.h: of every
// device call with every byte handed to the device, and of what is drawn. A
// change meant to leave the drawing as it is shows the same digests as the
// commit before it.
//
//   call_stream [--seed N] [--detail L] [--frames N] [--dump N]
//
// Prints the digest of scene initialisation and of every frame on its own,
// then of the whole run; with --dump, every call of the initialisation and of
// the first N frames as well, to compare where digests differ.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/support/call_digest.h"
#include "tests/support/scene_run.h"

namespace sorvane {
namespace {

struct Options {
  uint32_t seed = 7;
  int detail = 2;
  int frames = 2000;
  int dump = -1;
};

bool ParseOptions(int argc, char** argv, Options* o) {
  for (int i = 1; i + 1 < argc; i += 2) {
    char* end = nullptr;
    const long n = std::strtol(argv[i + 1], &end, 10);
    if (*end != '\0') return false;
    const std::string key = argv[i];
    if (key == "--seed") o->seed = static_cast<uint32_t>(n);
    else if (key == "--detail") o->detail = static_cast<int>(n);
    else if (key == "--frames") o->frames = static_cast<int>(n);
    else if (key == "--dump") o->dump = static_cast<int>(n);
    else return false;
  }
  return argc % 2 == 1;
}

int Run(const Options& o) {
  Digest digest;
  digest.dump = o.dump >= 0;
  DigestDirect3D direct3d(digest);
  SceneRun run;
  std::string why;
  if (!run.Open(&direct3d, 1024, 768, o.detail, o.seed, &why)) {
    std::fprintf(stderr, "call_stream: %s\n", why.c_str());
    return 1;
  }
  std::printf("seed %u detail %d\n", o.seed, o.detail);
  digest.EndPart("init", 0);
  for (int n = 1; n <= o.frames; ++n) {
    digest.dump = n <= o.dump;
    run.Frame();
    digest.EndPart("frame", n);
  }
  digest.dump = false;
  run.Close();
  digest.EndPart("release", 0);
  std::printf("all %ld %016llx\n", digest.calls(), static_cast<unsigned long long>(digest.hash()));
  return 0;
}

}  // namespace
}  // namespace sorvane

int main(int argc, char** argv) {
  sorvane::Options options;
  if (!sorvane::ParseOptions(argc, argv, &options)) {
    std::fprintf(stderr, "usage: call_stream [--seed N] [--detail L] [--frames N] [--dump N]\n");
    return 2;
  }
  return sorvane::Run(options);
}
