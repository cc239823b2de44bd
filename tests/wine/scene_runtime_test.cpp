// The scene on the system's Direct3D 8 runtime, built from this executable's
// copy of the module's resources.
#include <gtest/gtest.h>
#include <windows.h>

#include "device/device_d3d8_win32.h"
#include "render/render_frame.h"
#include "scene/resource_source_win32.h"
#include "scene/scene.h"
#include "base/instance_counts.h"
#include "base/auto_reset_event.h"
#include "base/random.h"

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

  Direct3D* d3d = CreateRuntimeDirect3D(create);
  ASSERT_NE(d3d, nullptr);
  SceneSettings settings;
  settings.device.width = width;
  settings.device.height = height;
  settings.device.window = window;
  settings.counts = ScaleSceneCounts(2, 2, 2);
  SeedRandom(7);
  ModuleResourceSource resources(GetModuleHandleA(nullptr));
  auto scene = std::make_unique<Scene>();
  ASSERT_TRUE(scene->world.map.pathSearch.Init(400, 400));
  int error = -1;
  ASSERT_TRUE(InitScene(*scene, *d3d, settings, resources, error)) << "error " << error;
  EXPECT_TRUE(scene->resources.shaderReady) << "the runtime refused the plant shader";
  int loaded = 0;
  for (Texture* t : scene->resources.textures) loaded += t != nullptr;
  EXPECT_EQ(loaded, kTextureCount);

  FrameState frameState;
  AutoResetEvent start = AutoResetEvent::Create();
  AutoResetEvent stop = AutoResetEvent::Create();
  for (int frame = 0; frame < 20; ++frame) {
    if (frame > 0) stop.Set();  // the calculation cycle that the frame waits for
    ASSERT_EQ(RenderFrame(*scene, frameState, start, stop), FrameResult::Presented) << "frame " << frame;
  }

  ReleaseScene(*scene);
  scene->resources.device->Release();
  d3d->Release();
  DestroyWindow(window);
}

}  // namespace sorvane
