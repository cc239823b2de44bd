// The device interface on OpenGL ES 3.0, with Direct3D 8's meaning: the Linux
// hack draws through it (EGL), into the window it is handed or into an
// offscreen frame when there is no display; the page (WebGL 2) onto its canvas.
#pragma once
#include <cstdint>
#include <vector>

#include "device/device.h"

namespace sorvane {

// Where the devices of a GL Direct3D object draw: an X window (display and
// window both set), or an offscreen frame of the given size; in the page, its
// canvas.
struct GlSurface {
  void* display = nullptr;  // an X Display*, null for offscreen
  unsigned long window = 0;  // an X Window
  uint32_t width = 0;  // the offscreen frame's size; a window's is its own
  uint32_t height = 0;
  const char* canvas = nullptr;  // the page's canvas as a CSS selector
};

// A Direct3D object whose CreateDevice makes a device on the surface; null
// when no GL context can be had there (no EGL, no config for the window's
// visual, no WebGL 2). Release() frees it.
Direct3D* CreateGlDirect3D(const GlSurface& surface);

// The frame last drawn by a device of that object, as 0xAARRGGBB pixels in
// rows from the top, as a screenshot would show it. False when there is none.
bool ReadGlFrame(Device& device, uint32_t* width, uint32_t* height, std::vector<uint32_t>* pixels);

// How many programs a device of that object built at a draw, not ahead of it.
uint32_t GlProgramsBuiltAtDraw(Device& device);

}  // namespace sorvane
