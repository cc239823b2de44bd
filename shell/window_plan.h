// Which windows a run mode opens, where and how large. The platform layer
// creates exactly these.
#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "shell/displays.h"
#include "base/run_mode.h"

namespace sorvane {

enum class WindowKind { FullScreen, PreviewChild, TestCaption };

struct PlannedWindow {
  WindowKind kind;
  Rect rect;             // client rectangle for child and captioned windows, window rectangle for popups
  size_t displayIndex;   // the display a full-screen window covers
};

struct WindowPlan {
  int32_t width = 0;   // the saver window's and back buffer's size
  int32_t height = 0;
  std::vector<PlannedWindow> windows;  // the first one is the main window
};

struct WindowPlanInput {
  RunMode mode = RunMode::Saver;
  int32_t resolution = 0;         // the Resolution setting
  bool changeResolution = false;  // the ChangeResolution setting
  std::optional<Rect> parentClient;  // client rectangle of the window given on the command line
  int32_t screenWidth = 0;
  int32_t screenHeight = 0;
  std::vector<DisplayInfo> displays;
};

WindowPlan PlanWindows(const WindowPlanInput& input);

}  // namespace sorvane
