// The GL device on an X window, as the hack is handed one: each frame shows
// on the window, and the frame follows the window's size. Where EGL has no
// driver the Direct3D object is a clean null.
#include <cstdlib>

#include "tests/gl/gl_target.h"

// After GoogleTest: Xlib's macros clash with its names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace sorvane {
namespace {

// Clears to the colour, presents, and checks the window and the read-back.
void ShowAndCheck(Device& device, Display* display, Window window, uint32_t width, uint32_t height,
                  uint32_t colour) {
  device.Clear(D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, colour, 1.0f, 0);
  device.Present();
  uint32_t w = 0, h = 0;
  std::vector<uint32_t> pixels;
  ASSERT_TRUE(ReadGlFrame(device, &w, &h, &pixels));
  EXPECT_EQ(w, width);
  EXPECT_EQ(h, height);
  EXPECT_EQ(pixels.back(), colour);
  XImage* image = XGetImage(display, window, 0, 0, width, height, AllPlanes, ZPixmap);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(XGetPixel(image, 1, 1) & 0xFFFFFF, colour & 0xFFFFFF);
  EXPECT_EQ(XGetPixel(image, static_cast<int>(width) - 2, static_cast<int>(height) - 2) & 0xFFFFFF,
            colour & 0xFFFFFF);
  XDestroyImage(image);
}

TEST(GlWindowTest, FramesShowOnTheWindowAtItsSize) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) GTEST_SKIP() << "no X display (ctest's gl_window_tests brings one)";
  const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 64, 48, 0, 0, 0);
  XMapWindow(display, window);
  XSync(display, False);
  Direct3D* d3d = CreateGlDirect3D({display, window, 0, 0});
  if (d3d != nullptr) {
    DisplayMode mode;
    ASSERT_EQ(d3d->GetAdapterDisplayMode(&mode), D3D_OK);
    EXPECT_EQ(mode.width, 64u);
    EXPECT_EQ(mode.height, 48u);
    EXPECT_EQ(mode.format, D3DFMT_X8R8G8B8);
    PresentParameters p;
    p.enableAutoDepthStencil = true;
    p.autoDepthStencilFormat = D3DFMT_D16;
    Device* device = nullptr;
    ASSERT_EQ(d3d->CreateDevice(nullptr, D3DCREATE_HARDWARE_VERTEXPROCESSING, &p, &device), D3D_OK);
    Device* second = nullptr;
    EXPECT_EQ(d3d->CreateDevice(nullptr, D3DCREATE_HARDWARE_VERTEXPROCESSING, &p, &second), D3DERR_NOTAVAILABLE);
    ShowAndCheck(*device, display, window, 64, 48, 0xFF3060C0u);
    XResizeWindow(display, window, 80, 60);
    XSync(display, False);
    ShowAndCheck(*device, display, window, 80, 60, 0xFF20A040u);
    device->Release();
    d3d->Release();
  }
  XDestroyWindow(display, window);
  XCloseDisplay(display);
  if (d3d == nullptr) GTEST_SKIP() << "no EGL config for the window's visual";
}

TEST(GlWithoutEglTest, NoDriverGivesNoObject) {
  if (std::getenv("__EGL_VENDOR_LIBRARY_FILENAMES") == nullptr) {
    GTEST_SKIP() << "run by ctest's gl_without_egl, which hides EGL's drivers";
  }
  EXPECT_EQ(CreateGlDirect3D({nullptr, 0, 64, 64}), nullptr);
}

}  // namespace
}  // namespace sorvane
