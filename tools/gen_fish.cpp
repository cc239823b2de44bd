// Build-time generator of the fish models as C++ source.
// Usage: gen_fish <output.cpp>
#include <cstdio>
#include <string>
#include <vector>

#include "tools/fishgen/fish_mesh.h"
#include "tools/fishgen/fish_source.h"

int main(int argc, char** argv) {
  using namespace sorvane::fishgen;
  if (argc != 2) {
    std::fprintf(stderr, "usage: gen_fish <output.cpp>\n");
    return 2;
  }
  std::vector<SpeciesMesh> species;
  for (int s = 0; s < kSpeciesCount; ++s) species.push_back(BuildSpecies(s));
  const std::string source = FishModelSource(species);
  std::FILE* f = std::fopen(argv[1], "wb");
  if (f == nullptr || std::fwrite(source.data(), 1, source.size(), f) != source.size() || std::fclose(f) != 0) {
    std::fprintf(stderr, "gen_fish: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
