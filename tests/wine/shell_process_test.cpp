// The saver as the system runs it: its own process, started with its switches.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "saver_process.h"
#include "settings/settings.h"
#include "settings/settings_store.h"

namespace sorvane::testing {

namespace {

constexpr DWORD kStartMs = 30000;

LRESULT CALLBACK HostProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

HWND CreateHost(int clientWidth, int clientHeight) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = HostProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "PreviewHost";
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  RegisterClassA(&wc);
  RECT r = {0, 0, clientWidth, clientHeight};
  AdjustWindowRect(&r, WS_POPUP, FALSE);
  return CreateWindowExA(0, "PreviewHost", "Host", WS_POPUP | WS_VISIBLE, 40, 40, r.right - r.left,
                         r.bottom - r.top, nullptr, nullptr, wc.hInstance, nullptr);
}

std::string ChildTexts(HWND dialog) {
  std::string texts;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char text[256] = {};
    GetWindowTextA(child, text, sizeof text);
    texts += text;
    texts += '|';
  }
  return texts;
}

}  // namespace

TEST(SaverProcess, PreviewCoversItsParentAndEndsWithIt) {
  HWND host = CreateHost(152, 112);
  ASSERT_NE(host, nullptr);
  SaverProcess saver("/p " + std::to_string(reinterpret_cast<uintptr_t>(host)));
  ASSERT_TRUE(saver.started());
  HWND child = WaitForWindow([&] { return FindWindowExA(host, nullptr, "QSaverClass2", "Sorvane Preview"); }, kStartMs);
  ASSERT_NE(child, nullptr);
  RECT hostClient, childClient;
  GetClientRect(host, &hostClient);
  GetClientRect(child, &childClient);
  EXPECT_EQ(childClient.right, hostClient.right);
  EXPECT_EQ(childClient.bottom, hostClient.bottom);
  EXPECT_TRUE(GetWindowLongA(child, GWL_STYLE) & WS_CHILD);

  DestroyWindow(host);
  EXPECT_TRUE(saver.WaitForExit(10000)) << "the preview ends with its parent";
}

TEST(SaverProcess, PreviewWithoutAWindowNumberFailsToStart) {
  SaverProcess saver("/p");
  ASSERT_TRUE(saver.started());
  HWND box = WaitForWindow([&] { return FindProcessWindow(saver.id(), nullptr, "Sorvane Error"); }, kStartMs);
  ASSERT_NE(box, nullptr);
  // The box can be found before its texts are set.
  HWND text = WaitForWindow([&] { return FindWindowExA(box, nullptr, "Static", "Initialization failed..."); }, kStartMs);
  EXPECT_NE(text, nullptr) << ChildTexts(box);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(saver.WaitForExit(10000));
}

TEST(SaverProcess, SaverIsTopMostFullScreenEndsOnAKeyAndStaysSingle) {
  SaverProcess saver("/s");
  ASSERT_TRUE(saver.started());
  HWND window = WaitForWindow([&] { return FindProcessWindow(saver.id(), "QSaverClass", "Sorvane"); }, kStartMs);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & WS_POPUP);
  RECT r;
  GetWindowRect(window, &r);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.right, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(r.bottom, GetSystemMetrics(SM_CYSCREEN));

  SaverProcess second("/s");
  EXPECT_TRUE(second.WaitForExit(kStartMs)) << "a second saver gives way to the running one";
  EXPECT_TRUE(IsWindow(window));

  // A loaded machine may still be building the scene, which comes before
  // the messages.
  PostMessageA(window, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_TRUE(saver.WaitForExit(kStartMs));
}

TEST(SaverProcess, SixthMouseMoveEndsTheSaverWhenAsked) {
  ASSERT_TRUE(WriteSettingInt(kSettingsSection, setting::ExitOnMouse, 1));
  SaverProcess saver("/s");
  ASSERT_TRUE(saver.started());
  HWND window = WaitForWindow([&] { return FindProcessWindow(saver.id(), "QSaverClass", "Sorvane"); }, kStartMs);
  ASSERT_NE(window, nullptr);
  // The pointer itself may give the new window one move of its own, so only
  // four moves are sure not to end it, and the sixth new position surely does.
  for (int i = 0; i < 4; ++i) {
    PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(100 + i, 100));
    PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(100 + i, 100));
  }
  EXPECT_FALSE(saver.WaitForExit(1000)) << "four moves, each repeated, must not end the saver";
  PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(300, 300));
  PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(301, 300));
  EXPECT_TRUE(saver.WaitForExit(kStartMs));
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Quorvel Interactive\\Sorvane\\Settings");
}

TEST(SaverProcess, TestAndPasswordModesEndByThemselves) {
  SaverProcess test("/t");
  EXPECT_TRUE(test.WaitForExit(kStartMs));
  SaverProcess password("/a 5");
  EXPECT_TRUE(password.WaitForExit(kStartMs));
}

}  // namespace sorvane::testing
