// The scene on the system's Direct3D 8 runtime, built from this executable's
// copy of the module's resources.
#include <gtest/gtest.h>
#include <windows.h>

#include "device/device_d3d8_win32.h"
#include "saver/saver_core.h"
#include "scene/resource_source_win32.h"

namespace sorvane {

namespace {
LRESULT CALLBACK PlainProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }
}  // namespace

TEST(SceneRuntime, BuildsLoadsEveryTextureAcceptsTheShaderAndPresents) {
  HMODULE library = LoadLibraryA("d3d8.dll");
  if (!library) GTEST_SKIP() << "no Direct3D 8 runtime";
  void* create = reinterpret_cast<void*>(GetProcAddress(library, "Direct3DCreate8"));
  ASSERT_NE(create, nullptr);

  WNDCLASSA wc = {};
  wc.lpfnWndProc = PlainProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "SceneRuntimeTest";
  RegisterClassA(&wc);
  int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  HWND window = CreateWindowExA(WS_EX_TOPMOST, "SceneRuntimeTest", "Scene", WS_POPUP | WS_VISIBLE, 0, 0, width,
                                height, nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_NE(window, nullptr);

  SaverSetup setup;
  setup.seed = 7;
  setup.cycleRunner = CycleRunner::BetweenFrames;
  SaverCore saver(setup);
  ASSERT_TRUE(saver.StartCycle());
  ModuleResourceSource resources(GetModuleHandleA(nullptr));
  SceneError error = kSceneErrorUnknown;
  ASSERT_TRUE(saver.InitScene(CreateRuntimeDirect3D(create), {width, height}, window, resources, error))
      << "error " << error;
  EXPECT_TRUE(saver.scene().resources.shaderReady) << "the runtime refused the plant shader";
  int loaded = 0;
  for (Texture* t : saver.scene().resources.textures) loaded += t != nullptr;
  EXPECT_EQ(loaded, kTextureCount);

  for (int frame = 0; frame < 20; ++frame) {
    ASSERT_EQ(saver.DrawFrame(), FrameResult::Presented) << "frame " << frame;
  }
  EXPECT_TRUE(saver.Shutdown());
  DestroyWindow(window);
}

}  // namespace sorvane
