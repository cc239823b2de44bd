// Build-time generator of every texture resource and the light-ray image, plus
// textures.rc, the resource-script lines that embed them.
// Usage: gen_textures <outdir>
#include <cstdio>

#include "tools/textures/texture_catalogue.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: gen_textures <outdir>\n");
    return 2;
  }
  if (!sorvane::imagegen::GenerateTextures(argv[1])) {
    std::fprintf(stderr, "gen_textures: cannot write to %s\n", argv[1]);
    return 1;
  }
  return 0;
}
