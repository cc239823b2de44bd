// The user's settings as a hack's command-line options. Each option stands for
// one stored value of the registry, with that value's range, so LoadSettings
// reads them with the same meanings and defaults as the registry's.
#pragma once
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>

#include "settings/load_settings.h"

namespace sorvane {

enum class OptionKind {
  // A number within [low, high], stored as it is.
  Number,
  // Takes no value; stores `low` when given.
  Switch,
  // One of the colour scheme's names, stored as its index.
  Scheme,
};

struct SettingOption {
  const char* name;     // without its dashes
  const char* setting;  // the stored value it stands for
  OptionKind kind;
  int32_t low;
  int32_t high;
  int32_t fallback;  // the value used when the option is not given
  const char* help;
};

// Every setting option, in the order the usage lists them.
std::span<const SettingOption> SettingOptions();
const SettingOption* FindSettingOption(std::string_view name);

// The colour schemes' option names, by stored index.
std::span<const char* const> SchemeNames();

class OptionSettings : public SettingsSource {
 public:
  // Every option's fallback: the hack is silent unless asked.
  OptionSettings();
  void Set(const SettingOption& option, int32_t value);
  bool ReadText(const char* name, char* buffer, size_t size) override;

 private:
  std::map<std::string, std::string, std::less<>> values_;
};

}  // namespace sorvane
