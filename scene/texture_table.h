// The 97 textures of the scene in their load order: which resource each comes
// from (resources/texture_ids.h) and with which format, filters and colour key
// it is made.
#pragma once
#include <array>
#include <cstdint>

#include "d3dx/texture_loader.h"
#include "resources/texture_ids.h"

namespace sorvane {

struct TextureLoad {
  int resourceId;
  TextureOptions options;
};

// Entry `order` of the load order; the wide image comes from resource 450 for
// users of a Cyrillic-script language, else from 245.
TextureLoad TextureLoadAt(int order, bool cyrillicLocale);

// The position in the load order of a resource's texture; −1 for none.
int TextureOrderOf(int resourceId);

}  // namespace sorvane
