#include "settings/settings.h"

#include <cstdint>

namespace sorvane {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
}  // namespace

int32_t ParseSettingText(const char* text, size_t size, int32_t fallback) {
  size_t end = 0;
  while (end < size && text[end] != '\0') ++end;
  if (end == size) return fallback;

  size_t i = 0;
  while (i < end && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < end && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  size_t digitsStart = i;
  int64_t value = 0;
  for (; i < end && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > int64_t{INT32_MAX} + 1) return fallback;
  }
  if (i == digitsStart) return fallback;
  while (i < end && IsBlank(text[i])) ++i;
  if (i != end) return fallback;
  if (negative) value = -value;
  if (value > INT32_MAX || value < INT32_MIN) return fallback;
  return static_cast<int32_t>(value);
}

Size ResolutionSize(int32_t resolution) {
  switch (resolution) {
    case 1: return {800, 600};
    case 2: return {1024, 768};
    case 3: return {1280, 1024};
    case 4: return {1600, 1200};
    default: return {640, 480};
  }
}

float CameraSpeedFactor(int32_t camSpeed) {
  switch (camSpeed) {
    case 1: return 0.75f;
    case 3: return 1.25f;
    case 4: return 1.5f;
    default: return 1.0f;
  }
}

int32_t DetailLevelFromSetting(int32_t stored) { return stored == 0 ? 2 : stored; }

uint32_t MultiSampleTypeFromSetting(int32_t antialiasing) {
  if (antialiasing == 1) return 2;
  if (antialiasing == 2) return 4;
  return 0;
}

}  // namespace sorvane
