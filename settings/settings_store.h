// The registry-backed store of the user's settings: decimal REG_SZ values under
// HKEY_CURRENT_USER\Software\Quorvel Interactive\Sorvane\<section>.
#pragma once
#include <cstddef>
#include <cstdint>

#include "settings/load_settings.h"

namespace sorvane {

// False when the key or the value is missing, or the value does not fit.
bool ReadSettingString(const char* section, const char* name, char* buffer, size_t size);
int32_t ReadSettingInt(const char* section, const char* name, int32_t fallback);
bool WriteSettingString(const char* section, const char* name, const char* text);
bool WriteSettingInt(const char* section, const char* name, int32_t value);

// The "Settings" section of the registry as LoadSettings reads it.
class RegistrySettings : public SettingsSource {
 public:
  bool ReadText(const char* name, char* buffer, size_t size) override {
    return ReadSettingString(kSettingsSection, name, buffer, size);
  }
};

}  // namespace sorvane
