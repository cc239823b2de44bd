#include "shell/embedded_sounds_web.h"

#include <cstdio>
#include <string>

#include "shell/embedded_resources.h"

extern "C" const sorvane::EmbeddedFile sorvane_embedded_sounds[];

namespace sorvane {
namespace {

// The tracks' places in the page's table.
constexpr int kMusicRow = 1;
constexpr int kAmbientRow = 2;

std::string Write(int row, const char* name) {
  const std::string path = std::string("/") + name;
  ResourceData data;
  if (!FindEmbeddedFile(sorvane_embedded_sounds, row, &data)) return path;
  if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
    std::fwrite(data.bytes.data(), 1, data.bytes.size(), file);
    std::fclose(file);
  }
  return path;
}

}  // namespace

SoundFiles WriteEmbeddedSounds() { return SoundFiles{Write(kMusicRow, kMusicFile), Write(kAmbientRow, kAmbientFile)}; }

}  // namespace sorvane
