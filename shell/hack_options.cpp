#include "shell/hack_options.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <optional>
#include <string_view>

namespace sorvane {

namespace {

// A whole word of decimal digits with an optional sign. Numbers beyond the
// 64-bit range come back saturated: they are out of range like any other.
std::optional<int64_t> ParseNumber(std::string_view text) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  if (i == text.size()) return std::nullopt;
  int64_t value = 0;
  constexpr int64_t kSaturated = int64_t{1} << 40;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = std::min(value * 10 + (text[i] - '0'), kSaturated);
  }
  return negative ? -value : value;
}

class Parser {
 public:
  explicit Parser(const std::vector<std::string>& args) : args_(args) {}

  ParsedOptions Run() {
    while (next_ < args_.size() && result_.outcome == ParseOutcome::Run) Take(args_[next_++]);
    return std::move(result_);
  }

 private:
  void Take(std::string_view word) {
    if (!word.starts_with('-')) return Fail("unexpected word '" + std::string(word) + "'");
    word.remove_prefix(word.starts_with("--") ? 2 : 1);
    HackOptions& o = result_.options;
    if (word == "help") {
      result_.outcome = ParseOutcome::Help;
    } else if (word == "window") {
      o.window = WindowRequest::Own;
    } else if (word == "root") {
      o.window = WindowRequest::Root;
    } else if (word == "window-id") {
      const std::string* value = Value(word);
      if (!value) return;
      const std::optional<unsigned long> id = ParseWindowId(value->c_str());
      if (!id) return Fail("--window-id needs a window number, not '" + *value + "'");
      o.window = WindowRequest::Given;
      o.windowId = *id;
    } else if (word == "fps") {
      o.fps = true;
    } else if (word == "snapshot") {
      const std::string* value = Value(word);
      if (!value) return;
      if (value->empty()) return Fail("--snapshot needs a file name");
      o.snapshot = *value;
    } else if (word == "frames") {
      if (std::optional<int64_t> n = Number(word, 1, kMaxSnapshotFrames)) o.frames = static_cast<int32_t>(*n);
    } else if (word == "seed") {
      if (std::optional<int64_t> n = Number(word, 0, UINT32_MAX)) o.seed = static_cast<uint32_t>(*n);
    } else if (const SettingOption* option = FindSettingOption(word)) {
      TakeSetting(*option);
    } else {
      Fail("unknown option '" + std::string(args_[next_ - 1]) + "'");
    }
  }

  void TakeSetting(const SettingOption& option) {
    HackOptions& o = result_.options;
    if (option.kind == OptionKind::Switch) return o.settings.Set(option, option.low);
    if (option.kind == OptionKind::Number) {
      if (std::optional<int64_t> n = Number(option.name, option.low, option.high))
        o.settings.Set(option, static_cast<int32_t>(*n));
      return;
    }
    const std::string* value = Value(option.name);
    if (!value) return;
    const auto names = SchemeNames();
    const auto it = std::find(names.begin(), names.end(), *value);
    if (it == names.end()) return Fail("--" + std::string(option.name) + " takes tropic, blue, deep or random");
    o.settings.Set(option, static_cast<int32_t>(it - names.begin()));
  }

  const std::string* Value(std::string_view name) {
    if (next_ < args_.size()) return &args_[next_++];
    Fail("--" + std::string(name) + " needs a value");
    return nullptr;
  }

  // A number brought into [low, high] with a warning; nullopt after a failure.
  std::optional<int64_t> Number(std::string_view name, int64_t low, int64_t high) {
    const std::string* value = Value(name);
    if (!value) return std::nullopt;
    const std::optional<int64_t> n = ParseNumber(*value);
    if (!n) {
      Fail("--" + std::string(name) + " needs a number, not '" + *value + "'");
      return std::nullopt;
    }
    const int64_t clamped = std::clamp(*n, low, high);
    if (clamped != *n) {
      result_.warnings.push_back("--" + std::string(name) + " " + *value + " is outside " + std::to_string(low) +
                                 " to " + std::to_string(high) + ": using " + std::to_string(clamped));
    }
    return clamped;
  }

  void Fail(std::string error) {
    result_.outcome = ParseOutcome::UsageError;
    result_.error = std::move(error);
  }

  const std::vector<std::string>& args_;
  size_t next_ = 0;
  ParsedOptions result_;
};

}  // namespace

std::optional<unsigned long> ParseWindowId(const char* text) {
  if (text == nullptr || *text < '0' || *text > '9') return std::nullopt;
  char* end = nullptr;
  errno = 0;
  const unsigned long id = std::strtoul(text, &end, 0);
  if (errno != 0 || *end != '\0' || id == 0) return std::nullopt;
  return id;
}

ParsedOptions ParseHackOptions(const std::vector<std::string>& args) { return Parser(args).Run(); }

std::string HackUsage() {
  std::string text =
      "usage: sorvane [options]\n"
      "  --window              a window of its own (the default); a key or closing it ends it\n"
      "  --root                the window in XSCREENSAVER_WINDOW, else the root window\n"
      "  --window-id ID        the window ID (hex with 0x, or decimal)\n"
      "  --fps                 show the frame rate\n";
  for (const SettingOption& option : SettingOptions()) {
    std::string line = "  --" + std::string(option.name);
    if (option.kind == OptionKind::Number) {
      line += " " + std::to_string(option.low) + ".." + std::to_string(option.high);
    } else if (option.kind == OptionKind::Scheme) {
      line += " NAME";
    }
    line.resize(std::max<size_t>(line.size() + 1, 24), ' ');
    line += option.help;
    if (option.kind == OptionKind::Number) line += " (" + std::to_string(option.fallback) + ")";
    if (option.kind == OptionKind::Scheme) {
      line += ": tropic, blue, deep or random (tropic)";
    }
    text += line + "\n";
  }
  text +=
      "  --snapshot FILE.png   draw offscreen, without a display, and save one frame\n"
      "  --frames N            ... frame N, 1.." + std::to_string(kMaxSnapshotFrames) + " (30)\n"
      "  --seed S              ... of the seabed grown from seed S (1)\n"
      "Options take one dash or two.\n";
  return text;
}

}  // namespace sorvane
