// The scene's images and shader text built into the hack (see
// cmake/embed-resources.cmake), found by resource id like the Windows module's.
#pragma once
#include "scene/resource_source.h"

namespace sorvane {

class EmbeddedResourceSource : public ResourceSource {
 public:
  bool Find(int id, ResourceData* data) override;
};

}  // namespace sorvane
