// The module's own resources as the scene's resource source.
#pragma once
#include <windows.h>

#include "scene/resource_source.h"

namespace sorvane {

class ModuleResourceSource : public ResourceSource {
 public:
  explicit ModuleResourceSource(HMODULE module) : module_(module) {}
  bool Find(int id, ResourceData* data) override;

 private:
  HMODULE module_;
};

}  // namespace sorvane
