#include "shell/embedded_resources.h"

extern "C" const sorvane::EmbeddedFile sorvane_embedded_resources[];

namespace sorvane {

static_assert(sizeof(EmbeddedFile) == 8 + 2 * sizeof(void*), "the assembler writes 4 + 4 bytes and two words a row");

bool FindEmbeddedFile(const EmbeddedFile* table, int id, ResourceData* data) {
  for (const EmbeddedFile* r = table; r->id != 0; ++r) {
    if (r->id != id) continue;
    data->bytes = {r->bytes, static_cast<size_t>(r->size)};
    data->isBitmap = r->isBitmap != 0;
    return true;
  }
  return false;
}

bool EmbeddedResourceSource::Find(int id, ResourceData* data) {
  return FindEmbeddedFile(sorvane_embedded_resources, id, data);
}

}  // namespace sorvane
