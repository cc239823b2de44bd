// The GL device's OpenGL ES 3.0 context: the one part of the device that knows
// the platform. On Linux it comes through EGL (context_egl.cpp), on an X
// window with a window surface of the window's own visual, or offscreen with
// no surface at all; in the page it is a WebGL 2 context on the page's canvas
// (context_web.cpp). The device draws into framebuffer objects either way.
#pragma once
#include <cstdint>
#include <memory>

#include "device/device_gl.h"

namespace sorvane {

class GlContext {
 public:
  // The platform's handles, as each platform's file defines them.
  struct Native;

  // Null when no OpenGL ES 3.0 context can be had there: no EGL, no platform
  // for it, no config for the window's visual; no WebGL 2 in the browser.
  static std::unique_ptr<GlContext> Create(const GlSurface& surface);
  ~GlContext();
  GlContext(const GlContext&) = delete;
  GlContext& operator=(const GlContext&) = delete;

  // Whether the frames are shown (a window, a canvas) rather than offscreen.
  bool onWindow() const;
  void MakeCurrent() const;
  // The size to draw at now: the window's or the canvas's own, or the
  // offscreen frame's.
  void Size(uint32_t* width, uint32_t* height) const;
  // Shows the window surface's back buffer; the browser shows the canvas's
  // of itself once the animation callback returns.
  void SwapBuffers() const;

 private:
  GlContext(const GlSurface& surface, std::unique_ptr<Native> native);

  GlSurface surface_;
  std::unique_ptr<Native> native_;
};

}  // namespace sorvane
