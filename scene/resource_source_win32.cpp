#include "scene/resource_source_win32.h"

namespace sorvane {

bool ModuleResourceSource::Find(int id, ResourceData* data) {
  bool isBitmap = false;
  HRSRC found = FindResourceA(module_, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (!found) {
    found = FindResourceA(module_, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2));  // RT_BITMAP
    isBitmap = true;
  }
  if (!found) return false;
  HGLOBAL loaded = LoadResource(module_, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return false;
  data->bytes = {static_cast<const uint8_t*>(bytes), SizeofResource(module_, found)};
  data->isBitmap = isBitmap;
  return true;
}

}  // namespace sorvane
