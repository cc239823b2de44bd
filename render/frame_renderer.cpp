#include "render/frame_renderer.h"

#include "render/d3d8_constants.h"

namespace sorvane {

bool FrameRenderer::RenderFrame() {
  if (Failed(device_.TestCooperativeLevel())) return false;

  device_.Clear(D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, clearColor_, 1.0f, 0);
  device_.BeginScene();

  // The first frame starts the calculation thread without waiting for it;
  // every later one takes the fish back from the previous cycle first.
  if (firstFrame_) {
    firstFrame_ = false;
  } else {
    stopEvent_.Wait();
  }
  startEvent_.Set();

  device_.EndScene();
  device_.Present();
  return true;
}

}  // namespace sorvane
