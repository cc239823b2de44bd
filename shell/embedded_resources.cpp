#include "shell/embedded_resources.h"

#include <cstdint>

namespace {

// One row of the assembler's table, which ends with id 0.
struct EmbeddedResource {
  int32_t id;
  int32_t isBitmap;
  const uint8_t* bytes;
  uint64_t size;
};
static_assert(sizeof(EmbeddedResource) == 24, "the assembler writes 4 + 4 + 8 + 8 bytes a row");

}  // namespace

extern "C" const EmbeddedResource sorvane_embedded_resources[];

namespace sorvane {

bool EmbeddedResourceSource::Find(int id, ResourceData* data) {
  for (const EmbeddedResource* r = sorvane_embedded_resources; r->id != 0; ++r) {
    if (r->id != id) continue;
    data->bytes = {r->bytes, static_cast<size_t>(r->size)};
    data->isBitmap = r->isBitmap != 0;
    return true;
  }
  return false;
}

}  // namespace sorvane
