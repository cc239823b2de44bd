// The hack's command line, checked as a property over random option lines: an
// independent model of what each word means says what the parser must make of
// the line (the settings as LoadSettings reads them, the window, the snapshot,
// one warning per value brought into range, a usage error for the first word
// that is wrong). Runs under ASan and UBSan, so a crash anywhere fails it too.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

#include "shell/hack_options.h"
#include "shell/hack_target.h"

namespace sorvane {

namespace {

// What a line should come to.
struct Expected {
  ParseOutcome outcome = ParseOutcome::Run;
  size_t warnings = 0;
  Settings settings;
  WindowRequest window = WindowRequest::Own;
  unsigned long windowId = 0;
  bool fps = false;
  std::string snapshot;
  int32_t frames = 30;
  uint32_t seed = 1;
};

Expected Defaults() {
  Expected e;
  // The hack is silent unless asked, its camera at the dialog's middle speed.
  e.settings.playMusic = 1;
  e.settings.playSound = 1;
  e.settings.camSpeed = 2;
  return e;
}

struct NumberOption {
  const char* name;
  int64_t low;
  int64_t high;
  std::function<void(Expected&, int64_t)> apply;
};

const std::vector<NumberOption>& Numbers() {
  static const std::vector<NumberOption> numbers = {
      {"fish", 1, 4, [](Expected& e, int64_t v) { e.settings.detailLevelFish = static_cast<int32_t>(v); }},
      {"plants", 1, 4, [](Expected& e, int64_t v) { e.settings.detailLevelPlant = static_cast<int32_t>(v); }},
      {"ruins", 1, 4, [](Expected& e, int64_t v) { e.settings.detailLevelWreck = static_cast<int32_t>(v); }},
      {"speed", 1, 4, [](Expected& e, int64_t v) { e.settings.camSpeed = static_cast<int32_t>(v); }},
      {"volume", 0, 100, [](Expected& e, int64_t v) { e.settings.volume = static_cast<int32_t>(v); }},
      {"frames", 1, 100000, [](Expected& e, int64_t v) { e.frames = static_cast<int32_t>(v); }},
      {"seed", 0, 4294967295, [](Expected& e, int64_t v) { e.seed = static_cast<uint32_t>(v); }},
  };
  return numbers;
}

class LineMaker {
 public:
  explicit LineMaker(uint32_t seed) : random_(seed) {}

  // Adds one option (or a wrong word) to the line and applies its meaning to
  // `e`; false once the line has stopped meaning anything more.
  bool Add(std::vector<std::string>& line, Expected& e) {
    const std::string dash = Pick(2) == 0 ? "-" : "--";
    switch (Pick(14)) {
      case 0:
      case 1:
      case 2: {
        const NumberOption& option = Numbers()[Pick(Numbers().size())];
        line.push_back(dash + option.name);
        if (Pick(30) == 0) return Stop(e, ParseOutcome::UsageError);  // the value is missing
        if (Pick(10) == 0) {
          line.push_back(Pick(2) == 0 ? "many" : std::to_string(Pick(9)) + "x");
          return Stop(e, ParseOutcome::UsageError);
        }
        const int64_t value = Value(option.low, option.high);
        line.push_back(Pick(8) == 0 && value >= 0 ? "+" + std::to_string(value) : std::to_string(value));
        const int64_t kept = std::clamp(value, option.low, option.high);
        e.warnings += kept != value;
        option.apply(e, kept);
        return true;
      }
      case 3: {
        static const char* const names[] = {"tropic", "blue", "deep", "random"};
        const size_t pick = Pick(5);
        line.push_back(dash + "scheme");
        if (pick == 4) {
          line.push_back("Blue");
          return Stop(e, ParseOutcome::UsageError);
        }
        line.push_back(names[pick]);
        e.settings.colorScheme = static_cast<int32_t>(pick);
        return true;
      }
      case 4:
        line.push_back(dash + "wide");
        e.settings.wideScreen = true;
        return true;
      case 5:
        line.push_back(dash + "music");
        e.settings.playMusic = 0;
        return true;
      case 6:
        line.push_back(dash + "sound");
        e.settings.playSound = 0;
        return true;
      case 7:
        line.push_back(dash + "fps");
        e.fps = true;
        return true;
      case 8:
        line.push_back(dash + (Pick(2) == 0 ? "root" : "window"));
        e.window = line.back().ends_with("root") ? WindowRequest::Root : WindowRequest::Own;
        return true;
      case 9: {
        line.push_back(dash + "window-id");
        const unsigned long id = 1 + Pick(0x7FFFFFF);
        switch (Pick(4)) {
          case 0: line.push_back(std::to_string(id)); break;
          case 1: {
            char hex[24];
            std::snprintf(hex, sizeof hex, "0x%lx", id);
            line.push_back(hex);
            break;
          }
          case 2:
            line.push_back(Pick(2) == 0 ? "0" : "window");
            return Stop(e, ParseOutcome::UsageError);
          default:
            return Stop(e, ParseOutcome::UsageError);  // no number at all
        }
        e.window = WindowRequest::Given;
        e.windowId = id;
        return true;
      }
      case 10:
        line.push_back(dash + "snapshot");
        line.push_back("frame" + std::to_string(Pick(100)) + ".png");
        e.snapshot = line.back();
        return true;
      case 11:
        line.push_back(dash + "help");
        return Stop(e, ParseOutcome::Help);
      case 12: {
        static const char* const wrong[] = {"--fishes", "-", "--", "fish", "---fish", "--Fish", "", "-x", "--no-fps"};
        line.push_back(wrong[Pick(std::size(wrong))]);
        return Stop(e, ParseOutcome::UsageError);
      }
      default:
        return true;  // an empty turn: lines of every length
    }
  }

  size_t Pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random_); }

 private:
  // Mostly inside the range, often just outside it, sometimes far beyond the
  // 64-bit range's written length.
  int64_t Value(int64_t low, int64_t high) {
    switch (Pick(6)) {
      case 0: return low - 1 - static_cast<int64_t>(Pick(1000));
      case 1: return high + 1 + static_cast<int64_t>(Pick(1000));
      case 2: return Pick(2) == 0 ? int64_t{1} << 40 : -(int64_t{1} << 40);
      default: return low + static_cast<int64_t>(Pick(static_cast<size_t>(std::min<int64_t>(high - low, 1000)) + 1));
    }
  }

  static bool Stop(Expected& e, ParseOutcome outcome) {
    e.outcome = outcome;
    return false;
  }

  std::mt19937 random_;
};

}  // namespace

TEST(HackOptions, RandomLinesMeanWhatEachWordSays) {
  LineMaker maker(20240611);
  for (int trial = 0; trial < 3000; ++trial) {
    std::vector<std::string> line;
    Expected e = Defaults();
    const size_t length = maker.Pick(12);
    for (size_t i = 0; i < length && maker.Add(line, e); ++i) {
    }
    // Words after a help or an error change nothing.
    if (e.outcome != ParseOutcome::Run) line.push_back("--bogus");

    std::string text;
    for (const std::string& word : line) text += " [" + word + "]";
    SCOPED_TRACE(text);
    ParsedOptions parsed = ParseHackOptions(line);
    ASSERT_EQ(parsed.outcome, e.outcome);
    if (e.outcome == ParseOutcome::UsageError) {
      EXPECT_FALSE(parsed.error.empty());
      continue;
    }
    if (e.outcome == ParseOutcome::Help) continue;
    ASSERT_EQ(parsed.warnings.size(), e.warnings);
    for (const std::string& warning : parsed.warnings) EXPECT_EQ(warning.find('\n'), std::string::npos);

    const HackOptions& o = parsed.options;
    const Settings s = LoadSettings(parsed.options.settings);
    EXPECT_EQ(s.detailLevelFish, e.settings.detailLevelFish);
    EXPECT_EQ(s.detailLevelPlant, e.settings.detailLevelPlant);
    EXPECT_EQ(s.detailLevelWreck, e.settings.detailLevelWreck);
    EXPECT_EQ(s.camSpeed, e.settings.camSpeed);
    EXPECT_EQ(s.colorScheme, e.settings.colorScheme);
    EXPECT_EQ(s.wideScreen, e.settings.wideScreen);
    EXPECT_EQ(s.playMusic, e.settings.playMusic);
    EXPECT_EQ(s.playSound, e.settings.playSound);
    EXPECT_EQ(s.volume, e.settings.volume);
    EXPECT_EQ(o.window, e.window);
    if (e.window == WindowRequest::Given) {
      EXPECT_EQ(o.windowId, e.windowId);
    }
    EXPECT_EQ(o.fps, e.fps);
    EXPECT_EQ(o.snapshot, e.snapshot);
    EXPECT_EQ(o.frames, e.frames);
    EXPECT_EQ(o.seed, e.seed);
  }
}

TEST(HackTarget, SnapshotThenTheWindowAskedForWithXscreensaversWindowForRoot) {
  HackOptions o;
  EXPECT_EQ(ChooseHackTarget(o, "0x400007").kind, TargetKind::Own);
  o.window = WindowRequest::Root;
  HackTarget root = ChooseHackTarget(o, "0x400007");
  EXPECT_EQ(root.kind, TargetKind::Given);
  EXPECT_EQ(root.windowId, 0x400007u);
  EXPECT_EQ(root.mode, RunMode::Saver);
  EXPECT_EQ(ChooseHackTarget(o, "4194311").windowId, 4194311u);
  EXPECT_EQ(ChooseHackTarget(o, nullptr).windowId, 0u) << "the screen's root window";
  EXPECT_EQ(ChooseHackTarget(o, "0x40zz").windowId, 0u);
  o.window = WindowRequest::Given;
  o.windowId = 77;
  const HackTarget preview = ChooseHackTarget(o, "0x400007");
  EXPECT_EQ(preview.windowId, 77u);
  EXPECT_EQ(preview.mode, RunMode::Preview) << "the settings dialog's preview stays silent";
  o.snapshot = "frame.png";
  EXPECT_EQ(ChooseHackTarget(o, "0x400007").kind, TargetKind::Offscreen);
}

}  // namespace sorvane
