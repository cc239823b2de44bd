#include <gtest/gtest.h>

#include "shell/displays.h"
#include "shell/frame_pacer.h"
#include "shell/language.h"
#include "shell/link.h"
#include "shell/messages.h"
#include "shell/mouse_exit.h"
#include "shell/test_scene.h"
#include "shell/window_plan.h"

namespace sorvane {

TEST(MouseExit, SixthMoveToANewPositionEnds) {
  MouseExitRule rule;
  for (int i = 0; i < 5; ++i) {
    EXPECT_FALSE(rule.OnMove(static_cast<int16_t>(10 + i), 20));
    EXPECT_FALSE(rule.OnMove(static_cast<int16_t>(10 + i), 20)) << "a repeat must not count";
  }
  EXPECT_TRUE(rule.OnMove(99, 20));
}

TEST(MouseExit, FirstMoveToMinusOneMinusOneIsARepeat) {
  MouseExitRule rule;
  EXPECT_FALSE(rule.OnMove(-1, -1));
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(rule.OnMove(static_cast<int16_t>(i), 0));
  EXPECT_TRUE(rule.OnMove(-5, -5));
}

TEST(FramePacer, SleepsTheRestOfTheIntervalAndDrawsWithoutCatchUp) {
  FramePacer pacer;
  pacer.Start(1000);
  PaceDecision early = pacer.Next(1010);
  EXPECT_FALSE(early.drawFrame);
  EXPECT_EQ(early.sleepMs, 20u);
  EXPECT_TRUE(pacer.Next(1030).drawFrame);
  // A slow frame: the next one follows at once, and only one.
  EXPECT_TRUE(pacer.Next(1200).drawFrame);
  EXPECT_FALSE(pacer.Next(1201).drawFrame);
  EXPECT_EQ(pacer.Next(1201).sleepMs, 29u);
}

TEST(FramePacer, TickWrapDoesNotStall) {
  FramePacer pacer;
  pacer.Start(0xFFFFFFF0u);
  EXPECT_FALSE(pacer.Next(0xFFFFFFFAu).drawFrame);
  PaceDecision afterWrap = pacer.Next(0x0000000Eu);  // 30 ms later, across the wrap
  EXPECT_TRUE(afterWrap.drawFrame);
  PaceDecision next = pacer.Next(0x00000010u);
  EXPECT_FALSE(next.drawFrame);
  EXPECT_EQ(next.sleepMs, 28u);
}

namespace {
AdapterRecord Adapter(bool attached, bool primary, int x, int w, int h) {
  AdapterRecord a;
  a.description = "adapter";
  a.attachedToDesktop = attached;
  a.primary = primary;
  a.modeX = x;
  a.modeY = 5;
  a.modeWidth = w;
  a.modeHeight = h;
  return a;
}

DisplayInfo Display(bool monitor, Rect rect) {
  DisplayInfo d;
  static int token;
  d.monitor = monitor ? &token : nullptr;
  d.rect = rect;
  return d;
}
}  // namespace

TEST(Displays, MirrorsSkippedPrimaryAtOriginTenthIgnored) {
  std::vector<AdapterRecord> adapters;
  AdapterRecord mirror = Adapter(true, false, 0, 800, 600);
  mirror.mirroring = true;
  adapters.push_back(mirror);
  adapters.push_back(Adapter(true, true, 300, 1024, 768));
  adapters.push_back(Adapter(true, false, 1024, 1280, 1024));
  for (int i = 0; i < 9; ++i) adapters.push_back(Adapter(false, false, 0, 0, 0));
  std::vector<size_t> attached;
  std::vector<DisplayInfo> list = BuildDisplayList(adapters, &attached);
  ASSERT_EQ(list.size(), 9u);
  EXPECT_EQ(list[0].rect.left, 0);
  EXPECT_EQ(list[0].rect.top, 0);
  EXPECT_EQ(list[0].rect.right, 1024);
  EXPECT_EQ(list[1].rect.left, 1024);
  EXPECT_EQ(list[1].rect.top, 5);
  EXPECT_EQ(list[1].rect.Width(), 1280);
  EXPECT_EQ(list[0].spare, -1);
  EXPECT_EQ(attached, (std::vector<size_t>{0, 1}));
}

TEST(WindowPlan, SaverOnOneDisplayUsesTheScreenSize) {
  WindowPlanInput in;
  in.screenWidth = 1920;
  in.screenHeight = 1080;
  in.displays = {Display(true, {0, 0, 1920, 1080})};
  WindowPlan plan = PlanWindows(in);
  EXPECT_EQ(plan.width, 1920);
  EXPECT_EQ(plan.height, 1080);
  ASSERT_EQ(plan.windows.size(), 1u);
  EXPECT_EQ(plan.windows[0].kind, WindowKind::FullScreen);
  EXPECT_EQ(plan.windows[0].rect.Width(), 1920);
}

TEST(WindowPlan, ChangeResolutionPicksTheSetSizeAtTheOrigin) {
  WindowPlanInput in;
  in.resolution = 2;
  in.changeResolution = true;
  in.screenWidth = 1920;
  in.screenHeight = 1080;
  in.displays = {Display(true, {0, 0, 1920, 1080})};
  WindowPlan plan = PlanWindows(in);
  EXPECT_EQ(plan.width, 1024);
  EXPECT_EQ(plan.height, 768);
  EXPECT_EQ(plan.windows[0].rect.left, 0);
  EXPECT_EQ(plan.windows[0].rect.Height(), 768);
}

TEST(WindowPlan, TwoOrThreeDisplaysGiveAtMostTwoWindows) {
  WindowPlanInput in;
  in.screenWidth = 1024;
  in.screenHeight = 768;
  in.displays = {Display(true, {0, 0, 1024, 768}), Display(true, {1024, 40, 2304, 1064}),
                 Display(true, {2304, 0, 3104, 600})};
  WindowPlan plan = PlanWindows(in);
  ASSERT_EQ(plan.windows.size(), 2u);
  EXPECT_EQ(plan.windows[1].rect.left, 1024);
  EXPECT_EQ(plan.windows[1].rect.top, 40);
  EXPECT_EQ(plan.windows[1].rect.Width(), 1280);
  EXPECT_EQ(plan.windows[1].rect.Height(), 1024);
  EXPECT_EQ(plan.windows[1].displayIndex, 1u);

  in.displays[0].monitor = nullptr;  // the first display is off the desktop
  plan = PlanWindows(in);
  ASSERT_EQ(plan.windows.size(), 1u);
  EXPECT_EQ(plan.windows[0].rect.left, 0);
  EXPECT_EQ(plan.windows[0].displayIndex, 1u);

  in.displays = {Display(false, {}), Display(false, {})};
  EXPECT_TRUE(PlanWindows(in).windows.empty());
}

TEST(WindowPlan, PreviewCoversTheParentAndTestHasItsCaptionBox) {
  WindowPlanInput in;
  in.mode = RunMode::Preview;
  in.parentClient = Rect{0, 0, 152, 112};
  in.screenWidth = 1024;
  in.screenHeight = 768;
  WindowPlan plan = PlanWindows(in);
  ASSERT_EQ(plan.windows.size(), 1u);
  EXPECT_EQ(plan.windows[0].kind, WindowKind::PreviewChild);
  EXPECT_EQ(plan.windows[0].rect.Width(), 152);
  EXPECT_EQ(plan.width, 640);  // a small box keeps the resolution size

  in.parentClient = Rect{0, 0, 400, 300};
  EXPECT_EQ(PlanWindows(in).width, 1024);

  in.mode = RunMode::Test;
  in.parentClient.reset();
  plan = PlanWindows(in);
  ASSERT_EQ(plan.windows.size(), 1u);
  EXPECT_EQ(plan.windows[0].kind, WindowKind::TestCaption);
  EXPECT_EQ(plan.windows[0].rect.Width(), 600);
  EXPECT_EQ(plan.windows[0].rect.Height(), 400);
  EXPECT_EQ(plan.width, 640);
}

TEST(ShellTexts, LanguagesLinksAndErrorMessages) {
  EXPECT_TRUE(IsCyrillicLanguage("0419"));
  EXPECT_TRUE(IsCyrillicLanguage("046d"));
  EXPECT_TRUE(IsCyrillicLanguage("0422"));
  EXPECT_FALSE(IsCyrillicLanguage("0409"));
  EXPECT_FALSE(IsCyrillicLanguage("04190"));
  EXPECT_FALSE(IsCyrillicLanguage(""));

  EXPECT_EQ(LinkTarget("someone@example.org"), "mailto:someone@example.org");
  EXPECT_EQ(LinkTarget("https://example.org/@me"), "https://example.org/@me");
  EXPECT_EQ(LinkTarget(std::string(400, 'a')).size(), kMaxLinkLength);

  EXPECT_STREQ(SceneErrorMessage(kSceneErrorUnknown), "Unknown error");
  EXPECT_STREQ(SceneErrorMessage(kSceneErrorDevice), "Unable to initialize Direct3D. You should update video card drivers.");
  EXPECT_STREQ(SceneErrorMessage(kSceneErrorDirect3D), "Unable to create Direct3D object");
  EXPECT_STREQ(SceneErrorMessage(static_cast<SceneError>(17)), "Unknown error");
}

TEST(TestScene, TwoWholeNumbersOrNothing) {
  const std::optional<TestScene> scene = ParseTestScene("4294967295 120");
  ASSERT_TRUE(scene.has_value());
  EXPECT_EQ(scene->seed, 4294967295u);
  EXPECT_EQ(scene->frames, 120u);
  for (const char* bad : {"", "7", "7 0", "7 12x", "-1 5", "4294967296 5", "seed 5", "7 5 9"})
    EXPECT_FALSE(ParseTestScene(bad).has_value()) << bad;
  EXPECT_FALSE(ParseTestScene(nullptr).has_value());
}

}  // namespace sorvane
