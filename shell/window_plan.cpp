#include "shell/window_plan.h"

#include <algorithm>

#include "settings/settings.h"

namespace sorvane {

WindowPlan PlanWindows(const WindowPlanInput& input) {
  WindowPlan plan;
  Size size = ResolutionSize(input.resolution);
  plan.width = size.width;
  plan.height = size.height;

  Rect reference = input.parentClient.value_or(Rect{0, 0, 400, 400});
  bool usesScreen = input.mode == RunMode::Preview || input.mode == RunMode::Saver;
  if (usesScreen && reference.Width() > 300 && !input.changeResolution) {
    plan.width = input.screenWidth;
    plan.height = input.screenHeight;
  }

  switch (input.mode) {
    case RunMode::Preview:
      plan.windows.push_back({WindowKind::PreviewChild, reference, 0});
      break;
    case RunMode::Test:
      plan.windows.push_back({WindowKind::TestCaption, Rect{50, 50, 650, 450}, 0});
      break;
    case RunMode::Saver: {
      // At most two displays carry a window; the scene is drawn on the first.
      size_t count = std::min<size_t>(input.displays.size(), 2);
      for (size_t i = 0; i < count; ++i) {
        const DisplayInfo& d = input.displays[i];
        if (d.monitor == nullptr) continue;
        Rect r = plan.windows.empty()
                     ? Rect{0, 0, plan.width, plan.height}
                     : Rect{plan.width, d.rect.top, plan.width + d.rect.Width(), d.rect.top + d.rect.Height()};
        plan.windows.push_back({WindowKind::FullScreen, r, i});
      }
      break;
    }
    default:
      break;
  }
  return plan;
}

}  // namespace sorvane
