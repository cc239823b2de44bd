// The panorama reuses the preview scene, painted wider and larger.
#include "tools/textures/wide_image.h"

#include "tools/shell_images/preview_picture.h"

namespace sorvane::imagegen {

Canvas PaintWideImage(const WideImageParams& params) {
  PreviewParams scene;
  scene.width = params.width;
  scene.height = params.height;
  scene.supersample = 2;
  scene.seed = params.seed;
  scene.rayCount = 11;
  return PaintPreview(scene);
}

}  // namespace sorvane::imagegen
