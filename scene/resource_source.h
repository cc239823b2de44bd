// Where the scene finds the images and the shader text it carries: the
// module's resources on Windows, the generator's output folder natively.
#pragma once
#include <cstdint>
#include <span>

namespace sorvane {

struct ResourceData {
  std::span<const uint8_t> bytes;
  bool isBitmap = false;  // an RT_BITMAP (a DIB without its file header), else RT_RCDATA
};

class ResourceSource {
 public:
  virtual ~ResourceSource() = default;
  // False when the module carries no resource of that id. The bytes stay valid
  // as long as the source lives.
  virtual bool Find(int id, ResourceData* data) = 0;
};

}  // namespace sorvane
