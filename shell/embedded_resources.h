// Files built into the program (see cmake/embed-resources.cmake): the scene's
// images and shader text, found by resource id like the Windows module's.
#pragma once
#include <cstdint>

#include "scene/resource_source.h"

namespace sorvane {

// One row of an embedded table, which ends with id 0.
struct EmbeddedFile {
  int32_t id;
  int32_t isBitmap;
  const uint8_t* bytes;
  uintptr_t size;
};

// The row of `id` in `table`; false when there is none.
bool FindEmbeddedFile(const EmbeddedFile* table, int id, ResourceData* data);

class EmbeddedResourceSource : public ResourceSource {
 public:
  bool Find(int id, ResourceData* data) override;
};

}  // namespace sorvane
