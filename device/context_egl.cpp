#include "device/context_gl.h"

#include <X11/Xlib.h>
#include <EGL/egl.h>
#include <EGL/eglext.h>

#include <algorithm>
#include <string_view>
#include <vector>

namespace sorvane {
namespace {

bool Listed(const char* list, std::string_view name) {
  if (list == nullptr) return false;
  std::string_view rest(list);
  while (!rest.empty()) {
    const size_t end = std::min(rest.find(' '), rest.size());
    if (rest.substr(0, end) == name) return true;
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }
  return false;
}

Display* XDisplay(const GlSurface& s) { return static_cast<Display*>(s.display); }

// The config of an OpenGL ES 3 window surface whose visual is the window's.
bool WindowConfig(EGLDisplay display, const GlSurface& s, EGLConfig* config) {
  XWindowAttributes attributes;
  if (XGetWindowAttributes(XDisplay(s), s.window, &attributes) == 0) return false;
  const auto visual = static_cast<EGLint>(XVisualIDFromVisual(attributes.visual));
  EGLint count = 0;
  if (!eglGetConfigs(display, nullptr, 0, &count) || count <= 0) return false;
  std::vector<EGLConfig> configs(static_cast<size_t>(count));
  eglGetConfigs(display, configs.data(), count, &count);
  for (EGLConfig c : configs) {
    EGLint id = 0, surfaces = 0, apis = 0, samples = 0;
    eglGetConfigAttrib(display, c, EGL_NATIVE_VISUAL_ID, &id);
    eglGetConfigAttrib(display, c, EGL_SURFACE_TYPE, &surfaces);
    eglGetConfigAttrib(display, c, EGL_RENDERABLE_TYPE, &apis);
    eglGetConfigAttrib(display, c, EGL_SAMPLES, &samples);
    if (id == visual && (surfaces & EGL_WINDOW_BIT) && (apis & EGL_OPENGL_ES3_BIT) && samples == 0) {
      *config = c;
      return true;
    }
  }
  return false;
}

}  // namespace

struct GlContext::Native {
  EGLDisplay display = EGL_NO_DISPLAY;
  EGLContext context = EGL_NO_CONTEXT;
  EGLSurface windowSurface = EGL_NO_SURFACE;
};

namespace {

bool Open(const GlSurface& surface, GlContext::Native& n) {
  const bool onWindow = surface.display != nullptr;
  const char* client = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
  const bool platform = onWindow ? Listed(client, "EGL_KHR_platform_x11") || Listed(client, "EGL_EXT_platform_x11")
                                 : Listed(client, "EGL_MESA_platform_surfaceless");
  if (!platform) return false;
  EGLDisplay display = eglGetPlatformDisplay(onWindow ? EGL_PLATFORM_X11_KHR : EGL_PLATFORM_SURFACELESS_MESA,
                                             onWindow ? surface.display : EGL_DEFAULT_DISPLAY, nullptr);
  if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr)) return false;
  n.display = display;
  const char* extensions = eglQueryString(display, EGL_EXTENSIONS);
  EGLConfig config = EGL_NO_CONFIG_KHR;
  if (onWindow) {
    if (!WindowConfig(display, surface, &config)) return false;
  } else if (!Listed(extensions, "EGL_KHR_no_config_context") || !Listed(extensions, "EGL_KHR_surfaceless_context")) {
    return false;
  }
  if (!eglBindAPI(EGL_OPENGL_ES_API)) return false;
  const EGLint attributes[] = {EGL_CONTEXT_MAJOR_VERSION, 3, EGL_CONTEXT_MINOR_VERSION, 0, EGL_NONE};
  n.context = eglCreateContext(display, config, EGL_NO_CONTEXT, attributes);
  if (n.context == EGL_NO_CONTEXT) return false;
  if (onWindow) {
    Window window = surface.window;
    n.windowSurface = eglCreatePlatformWindowSurface(display, config, &window, nullptr);
    if (n.windowSurface == EGL_NO_SURFACE) return false;
  }
  return eglMakeCurrent(display, n.windowSurface, n.windowSurface, n.context) == EGL_TRUE;
}

}  // namespace

GlContext::GlContext(const GlSurface& surface, std::unique_ptr<Native> native)
    : surface_(surface), native_(std::move(native)) {}

std::unique_ptr<GlContext> GlContext::Create(const GlSurface& surface) {
  auto native = std::make_unique<Native>();
  const bool opened = Open(surface, *native);
  // What was made before a failure goes with the context.
  std::unique_ptr<GlContext> context(new GlContext(surface, std::move(native)));
  if (!opened) return nullptr;
  return context;
}

GlContext::~GlContext() {
  const Native& n = *native_;
  if (n.display == EGL_NO_DISPLAY) return;
  // The display stays initialised: other objects of the process may share it.
  eglMakeCurrent(n.display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
  if (n.windowSurface != EGL_NO_SURFACE) eglDestroySurface(n.display, n.windowSurface);
  if (n.context != EGL_NO_CONTEXT) eglDestroyContext(n.display, n.context);
}

bool GlContext::onWindow() const { return surface_.display != nullptr; }

void GlContext::MakeCurrent() const {
  eglMakeCurrent(native_->display, native_->windowSurface, native_->windowSurface, native_->context);
}

void GlContext::Size(uint32_t* width, uint32_t* height) const {
  *width = surface_.width;
  *height = surface_.height;
  if (!onWindow()) return;
  Window root;
  int x, y;
  unsigned w = 0, h = 0, border, depth;
  if (XGetGeometry(XDisplay(surface_), surface_.window, &root, &x, &y, &w, &h, &border, &depth) != 0) {
    *width = w;
    *height = h;
  }
}

void GlContext::SwapBuffers() const {
  if (native_->windowSurface != EGL_NO_SURFACE) eglSwapBuffers(native_->display, native_->windowSurface);
}

}  // namespace sorvane
