// The saver's windows: their classes, their creation per mode, the window
// procedure and the still preview picture.
#include "shell/saver_win32.h"
#include "shell/window_plan.h"

namespace sorvane {

namespace {

constexpr int kIconId = 101;
constexpr int kPreviewBitmapId = 246;
constexpr int kPreviewWidth = 152;
constexpr int kPreviewHeight = 112;

struct WindowClass {
  const char* name;
  const char* title;
  DWORD style;
  DWORD exStyle;
};

WindowClass ClassOf(WindowKind kind) {
  switch (kind) {
    case WindowKind::PreviewChild: return {"QSaverClass2", "Sorvane Preview", WS_CHILD | WS_VISIBLE, 0};
    case WindowKind::TestCaption:
      return {"QSaverClass3", "Sorvane Test", WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0};
    case WindowKind::FullScreen: break;
  }
  return {"QSaverClass", "Sorvane", WS_POPUP | WS_VISIBLE, WS_EX_TOPMOST};
}

WindowKind KindOfMode(RunMode mode) {
  if (mode == RunMode::Preview) return WindowKind::PreviewChild;
  if (mode == RunMode::Test) return WindowKind::TestCaption;
  return WindowKind::FullScreen;
}

LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!windowProcEnabled || !theSaver) return 0;
  return theSaver->WindowProc(window, message, wParam, lParam);
}

}  // namespace

bool QSaver::CreateSaverWindows() {
  windowProcEnabled = true;

  WindowPlanInput input;
  input.mode = mode;
  input.resolution = settings.resolution;
  input.changeResolution = settings.changeResolution;
  RECT client;
  if (parentWindow && GetClientRect(parentWindow, &client))
    input.parentClient = Rect{client.left, client.top, client.right, client.bottom};
  input.screenWidth = GetSystemMetrics(SM_CXSCREEN);
  input.screenHeight = GetSystemMetrics(SM_CYSCREEN);
  input.displays = displays;
  WindowPlan plan = PlanWindows(input);

  WindowClass cls = ClassOf(KindOfMode(mode));
  WNDCLASSA wc = {};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = StaticWindowProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(kIconId));
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  wc.lpszClassName = cls.name;
  RegisterClassA(&wc);
  renderingActive = false;

  if (mode != RunMode::Saver) {
    if (plan.windows.empty()) return false;
    const Rect& r = plan.windows[0].rect;
    RECT rect = {r.left, r.top, r.right, r.bottom};
    AdjustWindowRect(&rect, cls.style, FALSE);
    mainWindow = CreateWindowExA(cls.exStyle, cls.name, cls.title, cls.style, rect.left, rect.top,
                                 rect.right - rect.left, rect.bottom - rect.top,
                                 mode == RunMode::Preview ? parentWindow : nullptr, nullptr, instance, this);
    return mainWindow != nullptr;
  }

  renderingActive = true;
  mainWindow = nullptr;
  for (const PlannedWindow& w : plan.windows) {
    HWND window = CreateWindowExA(cls.exStyle, cls.name, cls.title, cls.style, w.rect.left, w.rect.top,
                                  w.rect.Width(), w.rect.Height(), mainWindow, nullptr, instance, this);
    if (!window) return false;
    if (!mainWindow) mainWindow = window;
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    displays[w.displayIndex].window = window;
  }
  ShowCursor(FALSE);
  return mainWindow != nullptr;
}

LRESULT QSaver::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(window, &paint);
      if (!initFailed && !renderingActive && mode != RunMode::Saver && mode != RunMode::Test) PaintPreview(window, paint.hdc);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_CLOSE:
      if (mode != RunMode::Saver) DestroyWindow(window);
      return 0;
    case WM_SETCURSOR:
      if (mode != RunMode::Saver) return 0;
      SetCursor(nullptr);
      return TRUE;
    case WM_KEYDOWN:
      if (mode != RunMode::Test) RequestExit();
      return 0;
    case WM_MOUSEMOVE:
      if (mode != RunMode::Test && exitOnMouse &&
          mouseExit_.OnMove(static_cast<int16_t>(LOWORD(lParam)), static_cast<int16_t>(HIWORD(lParam))))
        RequestExit();
      return 0;
    case WM_SIZE:
      if (core_) core_->Resize({LOWORD(lParam), HIWORD(lParam)});
      return 0;
    case WM_SYSCOMMAND:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      return 0;
    case WM_POWERBROADCAST:
      if (wParam == PBT_APMSUSPEND) RequestExit();
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

void QSaver::PaintPreview(HWND window, HDC dc) {
  RECT client;
  GetClientRect(window, &client);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = kPreviewWidth;
  info.bmiHeader.biHeight = kPreviewHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;

  HBITMAP bitmap = LoadBitmapA(instance, MAKEINTRESOURCEA(kPreviewBitmapId));
  if (!bitmap) return;
  constexpr int kStride = (kPreviewWidth * 3 + 3) & ~3;
  std::vector<BYTE> pixels(kStride * kPreviewHeight);
  int rows = GetDIBits(dc, bitmap, 0, kPreviewHeight, pixels.data(), &info, DIB_RGB_COLORS);
  if (rows == kPreviewHeight) {
    StretchDIBits(dc, 0, 0, client.right - client.left, client.bottom - client.top, 0, 0, kPreviewWidth,
                  kPreviewHeight, pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
  }
  DeleteObject(bitmap);
}

}  // namespace sorvane
