// Build-time generator of the 62 scenery meshes: writes the C++ source of
// their tables. Usage: gen_meshes <output.cpp>
#include <cstdio>
#include <string>

#include "tools/imagegen/bytes.h"
#include "tools/meshgen/scenery_designs.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: gen_meshes <output.cpp>\n");
    return 2;
  }
  std::string error;
  const std::string source = sorvane::meshgen::SceneryMeshSource(&error);
  if (source.empty()) {
    std::fprintf(stderr, "gen_meshes: %s\n", error.c_str());
    return 1;
  }
  if (!sorvane::imagegen::WriteFileBytes(argv[1], sorvane::imagegen::Bytes(source.begin(), source.end()))) {
    std::fprintf(stderr, "gen_meshes: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
