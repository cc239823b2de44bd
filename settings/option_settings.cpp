#include "settings/option_settings.h"

#include <array>
#include <cstring>

#include "settings/settings.h"

namespace sorvane {

namespace {

// PlayMusic and PlaySound store 0 for "on": the switches store 0 and their
// fallback is 1, off.
constexpr std::array kOptions = {
    SettingOption{"fish", setting::DetailLevelFish, OptionKind::Number, 1, 4, 2, "amount of fish"},
    SettingOption{"plants", setting::DetailLevelPlant, OptionKind::Number, 1, 4, 2, "amount of plants"},
    SettingOption{"ruins", setting::DetailLevelWreck, OptionKind::Number, 1, 4, 2, "amount of ruins"},
    SettingOption{"speed", setting::CamSpeed, OptionKind::Number, 1, 4, 2, "camera speed"},
    SettingOption{"scheme", setting::ColorScheme, OptionKind::Scheme, 0, 3, 0, "water colour"},
    SettingOption{"wide", setting::WideScreen, OptionKind::Switch, 1, 1, 0, "16:9 picture"},
    SettingOption{"music", setting::PlayMusic, OptionKind::Switch, 0, 0, 1, "play the music"},
    SettingOption{"sound", setting::PlaySound, OptionKind::Switch, 0, 0, 1, "play the sound of the sea"},
    SettingOption{"volume", setting::Volume, OptionKind::Number, 0, 100, 50, "volume in percent"},
};

constexpr std::array<const char*, 4> kSchemeNames = {"tropic", "blue", "deep", "random"};

}  // namespace

std::span<const SettingOption> SettingOptions() { return kOptions; }

const SettingOption* FindSettingOption(std::string_view name) {
  for (const SettingOption& option : kOptions) {
    if (name == option.name) return &option;
  }
  return nullptr;
}

std::span<const char* const> SchemeNames() { return kSchemeNames; }

OptionSettings::OptionSettings() {
  for (const SettingOption& option : kOptions) Set(option, option.fallback);
}

void OptionSettings::Set(const SettingOption& option, int32_t value) {
  values_[option.setting] = std::to_string(value);
}

bool OptionSettings::ReadText(const char* name, char* buffer, size_t size) {
  auto it = values_.find(std::string_view(name));
  if (it == values_.end() || it->second.size() >= size) return false;
  std::memcpy(buffer, it->second.c_str(), it->second.size() + 1);
  return true;
}

}  // namespace sorvane
