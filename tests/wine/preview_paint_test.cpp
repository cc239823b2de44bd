// The still preview, run in this process (which carries the module's
// resources), so that its painting can be read back from the screen.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "shell/saver_win32.h"

namespace sorvane {

namespace {

constexpr int kWidth = 152;
constexpr int kHeight = 112;
constexpr int kStride = 456;

HWND host;
int matched;
int sampled;

LRESULT CALLBACK HostProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

std::vector<BYTE> PreviewPixels() {
  std::vector<BYTE> pixels(kStride * kHeight);
  HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(246));
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = kWidth;
  info.bmiHeader.biHeight = kHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  HDC dc = GetDC(nullptr);
  if (!bitmap || GetDIBits(dc, bitmap, 0, kHeight, pixels.data(), &info, DIB_RGB_COLORS) != kHeight) pixels.clear();
  ReleaseDC(nullptr, dc);
  DeleteObject(bitmap);
  return pixels;
}

bool Near(COLORREF a, const BYTE* bgr) {
  return std::abs(GetRValue(a) - bgr[2]) <= 8 && std::abs(GetGValue(a) - bgr[1]) <= 8 &&
         std::abs(GetBValue(a) - bgr[0]) <= 8;
}

// Runs inside the preview's message loop once it has had time to paint.
void CALLBACK SampleAndClose(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  std::vector<BYTE> picture = PreviewPixels();
  HWND child = FindWindowExA(host, nullptr, "QSaverClass2", nullptr);
  if (!picture.empty() && child) {
    UpdateWindow(child);
    HDC screen = GetDC(nullptr);
    POINT origin = {0, 0};
    ClientToScreen(child, &origin);
    for (int y = 4; y < kHeight; y += 12) {
      for (int x = 4; x < kWidth; x += 12) {
        matched += Near(GetPixel(screen, origin.x + x, origin.y + y), &picture[(kHeight - 1 - y) * kStride + x * 3]);
        ++sampled;
      }
    }
    ReleaseDC(nullptr, screen);
  }
  DestroyWindow(host);  // the preview ends with its parent
}

}  // namespace

TEST(PreviewPaint, ThePictureFillsTheBoxOneToOne) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = HostProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "PaintHost";
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  RegisterClassA(&wc);
  host = CreateWindowExA(0, "PaintHost", "Host", WS_POPUP | WS_VISIBLE, 60, 60, kWidth, kHeight, nullptr, nullptr,
                         wc.hInstance, nullptr);
  ASSERT_NE(host, nullptr);

  QSaver saver(GetModuleHandleA(nullptr));
  std::string command = "Sorvane.scr /p " + std::to_string(reinterpret_cast<uintptr_t>(host));
  ASSERT_TRUE(saver.Startup(command.c_str()));
  ASSERT_EQ(saver.mode, RunMode::Preview);
  SetTimer(nullptr, 0, 500, SampleAndClose);
  saver.Run();  // returns when the child window is gone

  ASSERT_GT(sampled, 0);
  EXPECT_GE(matched, sampled * 9 / 10) << matched << " of " << sampled << " sample pixels show the picture";
}

}  // namespace sorvane
