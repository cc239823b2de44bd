// The GL device's context in the page: WebGL 2 on the page's canvas. The
// device draws into framebuffer objects of its own and copies each frame onto
// the canvas, so the canvas needs no depth buffer, no alpha and no smoothing.
#include <emscripten/html5.h>

#include "device/context_gl.h"

namespace sorvane {

struct GlContext::Native {
  EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context = 0;
};

GlContext::GlContext(const GlSurface& surface, std::unique_ptr<Native> native)
    : surface_(surface), native_(std::move(native)) {}

std::unique_ptr<GlContext> GlContext::Create(const GlSurface& surface) {
  if (surface.canvas == nullptr) return nullptr;
  EmscriptenWebGLContextAttributes attributes;
  emscripten_webgl_init_context_attributes(&attributes);
  attributes.majorVersion = 2;
  attributes.minorVersion = 0;
  attributes.alpha = false;
  attributes.depth = false;
  attributes.stencil = false;
  attributes.antialias = false;
  auto native = std::make_unique<Native>();
  native->context = emscripten_webgl_create_context(surface.canvas, &attributes);
  if (native->context <= 0) return nullptr;
  std::unique_ptr<GlContext> context(new GlContext(surface, std::move(native)));
  context->MakeCurrent();
  return context;
}

GlContext::~GlContext() {
  if (native_->context > 0) emscripten_webgl_destroy_context(native_->context);
}

bool GlContext::onWindow() const { return true; }

void GlContext::MakeCurrent() const { emscripten_webgl_make_context_current(native_->context); }

// The drawing buffer's size, which the page keeps at the canvas's size in
// device pixels.
void GlContext::Size(uint32_t* width, uint32_t* height) const {
  int w = 0, h = 0;
  emscripten_get_canvas_element_size(surface_.canvas, &w, &h);
  *width = static_cast<uint32_t>(w > 0 ? w : 1);
  *height = static_cast<uint32_t>(h > 0 ? h : 1);
}

void GlContext::SwapBuffers() const {}

}  // namespace sorvane
