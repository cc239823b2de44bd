#include "shell/test_scene.h"

#include <string_view>

namespace sorvane {

namespace {

// Decimal digits only, up to 2^32 − 1.
std::optional<uint32_t> WholeNumber(std::string_view text) {
  if (text.empty() || text.size() > 10) return std::nullopt;
  uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<uint64_t>(c - '0');
  }
  if (value > UINT32_MAX) return std::nullopt;
  return static_cast<uint32_t>(value);
}

}  // namespace

std::optional<TestScene> ParseTestScene(const char* text) {
  if (text == nullptr) return std::nullopt;
  const std::string_view whole(text);
  const size_t space = whole.find(' ');
  if (space == std::string_view::npos) return std::nullopt;
  const std::optional<uint32_t> seed = WholeNumber(whole.substr(0, space));
  const std::optional<uint32_t> frames = WholeNumber(whole.substr(space + 1));
  if (!seed || !frames || *frames == 0) return std::nullopt;
  return TestScene{*seed, *frames};
}

}  // namespace sorvane
