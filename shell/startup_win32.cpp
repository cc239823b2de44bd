// Start-up: language, settings, command line, displays, the calculation thread,
// the scene counts, Direct3D and the windows of the mode.
#include <cstdlib>
#include <ctime>
#include <optional>

#include "settings/settings_store.h"
#include "shell/command_line.h"
#include "shell/language.h"
#include "shell/messages.h"
#include "shell/saver_win32.h"
#include "shell/test_scene.h"

namespace sorvane {

namespace {

constexpr const char* kSettingsWindowTitle = "Sorvane v" SORVANE_VERSION;

std::string LocaleText(LCTYPE type) {
  wchar_t wide[260] = {};
  if (!GetLocaleInfoW(LOCALE_USER_DEFAULT, type, wide, 260)) return {};
  std::string text;
  for (const wchar_t* c = wide; *c; ++c) text.push_back(*c < 128 ? static_cast<char>(*c) : '?');
  return text;
}

[[noreturn]] void AskForDirectX() {
  if (MessageBoxA(nullptr, kDirectXQuestion, kDirectXTitle, MB_ICONQUESTION | MB_YESNO) == IDYES)
    OpenLink(kDirectXDownloadPage);
  TerminateProcess(GetCurrentProcess(), 0);
  ExitProcess(0);
}

}  // namespace

void QSaver::DetectLanguage() {
  cyrillicLocale = IsCyrillicLanguage(LocaleText(LOCALE_ILANGUAGE)) ||
                   IsCyrillicLanguage(LocaleText(LOCALE_IDEFAULTLANGUAGE));
}

void QSaver::EnumerateDisplays() {
  std::vector<AdapterRecord> adapters;
  DISPLAY_DEVICEA device = {};
  device.cb = sizeof device;
  for (DWORD i = 0; EnumDisplayDevicesA(nullptr, i, &device, 0); ++i) {
    AdapterRecord a;
    a.adapterName = device.DeviceName;
    a.description = device.DeviceString;
    a.mirroring = device.StateFlags & DISPLAY_DEVICE_MIRRORING_DRIVER;
    a.attachedToDesktop = device.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP;
    a.primary = device.StateFlags & DISPLAY_DEVICE_PRIMARY_DEVICE;
    DISPLAY_DEVICEA monitor = {};
    monitor.cb = sizeof monitor;
    if (EnumDisplayDevicesA(device.DeviceName, 0, &monitor, 0)) a.monitorDescription = monitor.DeviceString;
    DEVMODEA mode = {};
    mode.dmSize = sizeof mode;
    if (a.attachedToDesktop && EnumDisplaySettingsA(device.DeviceName, ENUM_CURRENT_SETTINGS, &mode)) {
      a.modeX = mode.dmPosition.x;
      a.modeY = mode.dmPosition.y;
      a.modeWidth = static_cast<int32_t>(mode.dmPelsWidth);
      a.modeHeight = static_cast<int32_t>(mode.dmPelsHeight);
    } else {
      a.attachedToDesktop = false;
    }
    adapters.push_back(a);
    device = {};
    device.cb = sizeof device;
  }

  std::vector<size_t> attached;
  displays = BuildDisplayList(adapters, &attached);
  for (size_t i : attached) {
    const Rect& r = displays[i].rect;
    RECT rect = {r.left, r.top, r.right, r.bottom};
    displays[i].monitor = MonitorFromRect(&rect, MONITOR_DEFAULTTONULL);
  }
}

bool QSaver::Startup(const char* commandLine) {
  DetectLanguage();
  RegistrySettings registry;
  settings = LoadSettings(registry);
  exitOnMouse = settings.exitOnMouse;

  CommandLine command = ParseCommandLine(commandLine);
  mode = command.mode;
  parentWindow = reinterpret_cast<HWND>(static_cast<uintptr_t>(command.parentWindow));
  if (command.checkSettingsWindow) {
    if (HWND open = FindWindowA(nullptr, kSettingsWindowTitle)) {
      ActivateWindow(open);
      TerminateProcess(GetCurrentProcess(), 0);
    }
  }
  EnumerateDisplays();

  if (mode == RunMode::Saver) {
    const std::optional<TestScene> test = ParseTestScene(std::getenv(kTestSceneVariable));
    SaverSetup setup;
    setup.settings = settings;
    setup.seed = test ? test->seed : static_cast<uint32_t>(std::time(nullptr));
    setup.cycleRunner = CycleRunner::CalculationThread;
    if (!test) setup.swayClock = [] { return static_cast<uint32_t>(GetTickCount()); };
    setup.cyrillicLocale = cyrillicLocale;
    frameLimit_ = test ? test->frames : 0;
    core_ = std::make_unique<SaverCore>(setup);
    if (!core_->StartCycle()) return false;
  }

  switch (mode) {
    case RunMode::Configure:
      if (!LoadDirect3D()) AskForDirectX();
      return true;
    case RunMode::Saver:
      if (!LoadDirect3D()) AskForDirectX();
      break;
    case RunMode::Password:
      return true;
    case RunMode::Preview:
    case RunMode::Test:
      break;
  }
  if (!CreateSaverWindows()) {
    initFailed = true;
    return false;
  }
  return true;
}

}  // namespace sorvane
