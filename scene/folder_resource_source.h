// The scene's resources read from files, for the native build: the images the
// texture generator wrote, found through its resource script, and the shader text.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "scene/resource_source.h"

namespace sorvane {

constexpr int kShaderTextResource = 400;

class FolderResourceSource : public ResourceSource {
 public:
  // `folder` holds textures.rc and the files it names; `shaderTextPath` is
  // the text of resource 400.
  FolderResourceSource(std::string folder, std::string shaderTextPath);

  // False when textures.rc can't be read or holds a line it doesn't understand.
  bool Open();
  bool Find(int id, ResourceData* data) override;

 private:
  struct Entry {
    std::string path;
    bool isBitmap = false;
    bool loaded = false;
    std::vector<uint8_t> bytes;
  };
  std::string folder_;
  std::map<int, Entry> entries_;
};

}  // namespace sorvane
