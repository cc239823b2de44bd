// The OpenGL ES 3.0 context of the GL device, through EGL: on an X window,
// with a window surface of the window's own visual, or offscreen with no
// surface at all (the device draws into framebuffer objects either way).
// The one place that knows EGL: another host's context can take its place.
#pragma once
#include <cstdint>
#include <memory>

#include "device/device_gl.h"

namespace sorvane {

class EglContext {
 public:
  // Null when no OpenGL ES 3.0 context can be had there: no EGL, no platform
  // for it, no config for the window's visual.
  static std::unique_ptr<EglContext> Create(const GlSurface& surface);
  ~EglContext();
  EglContext(const EglContext&) = delete;
  EglContext& operator=(const EglContext&) = delete;

  bool onWindow() const { return surface_.display != nullptr; }
  void MakeCurrent() const;
  // The size to draw at now: the window's own, or the offscreen frame's.
  void Size(uint32_t* width, uint32_t* height) const;
  // Shows the window surface's back buffer.
  void SwapBuffers() const;

 private:
  explicit EglContext(const GlSurface& surface) : surface_(surface) {}
  bool Open();

  GlSurface surface_;
  void* display_ = nullptr;  // EGLDisplay, EGLContext, EGLSurface
  void* context_ = nullptr;
  void* windowSurface_ = nullptr;
};

}  // namespace sorvane
