#include "shell/command_line.h"

#include <cstdint>

namespace sorvane {

namespace {

size_t SkipProgramName(std::string_view text) {
  if (!text.empty() && text[0] == '"') {
    size_t close = text.find('"', 1);
    return close == std::string_view::npos ? text.size() : close + 1;
  }
  size_t blank = text.find(' ');
  return blank == std::string_view::npos ? text.size() : blank + 1;
}

// The first decimal number at or after `from`, as atol reads it; a number too
// large for 32 bits saturates, as the runtime's atol does.
uint32_t NumberAfter(std::string_view text, size_t from) {
  size_t i = from;
  while (i < text.size() && (text[i] < '0' || text[i] > '9')) ++i;
  uint64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + static_cast<uint64_t>(text[i] - '0');
    if (value > 0x7FFFFFFF) return 0x7FFFFFFF;
  }
  return static_cast<uint32_t>(value);
}

}  // namespace

CommandLine ParseCommandLine(std::string_view text) {
  CommandLine result;
  size_t pos = SkipProgramName(text);
  size_t sw = text.find_first_of("/-", pos);
  if (sw == std::string_view::npos || sw + 1 >= text.size()) return result;

  switch (text[sw + 1] | 0x20) {
    case 'a':
      result.mode = RunMode::Password;
      result.parentWindow = NumberAfter(text, sw + 2);
      break;
    case 'c':
      result.mode = RunMode::Configure;
      result.parentWindow = NumberAfter(text, sw + 2);
      result.checkSettingsWindow = true;
      break;
    case 'p':
      result.mode = RunMode::Preview;
      result.parentWindow = NumberAfter(text, sw + 2);
      break;
    case 't':
      result.mode = RunMode::Test;
      result.checkSettingsWindow = true;
      break;
    default:
      break;
  }
  return result;
}

}  // namespace sorvane
