// The list of every image the module carries as a texture resource: its
// resource id, file name, resource type, stored kind, and the painter that makes it.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "tools/imagegen/bytes.h"
#include "tools/imagegen/canvas.h"

namespace sorvane::imagegen {

enum class ImageKind {
  Jpeg,
  DdsA1R5G5B5,
  DdsA8R8G8B8,
  Bmp24,
  Bmp8Grey,
};

enum class ResourceType {
  Bitmap,  // RT_BITMAP: the fish skins
  RcData,  // RT_RCDATA: everything else
};

struct TextureEntry {
  int resourceId;
  std::string fileName;
  ResourceType type;
  ImageKind kind;
  int width;
  int height;
  std::function<Canvas()> paint;
};

std::vector<TextureEntry> TextureCatalogue();

// The entry's picture in its stored file format.
Bytes EncodeEntry(const TextureEntry& entry);

// Resource-script lines embedding every entry, with file names relative to the
// folder the script lies in.
std::string ResourceScript(const std::vector<TextureEntry>& entries);

// Writes every image and textures.rc into `outdir`; false on the first failure.
bool GenerateTextures(const std::string& outdir);

}  // namespace sorvane::imagegen
