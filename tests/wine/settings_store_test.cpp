#include <gtest/gtest.h>
#include <windows.h>

#include "settings/settings.h"
#include "settings/settings_store.h"

namespace sorvane {

namespace {

const char* kKeyPath = "Software\\Quorvel Interactive\\Sorvane\\Settings";

void DeleteSettingsKey() { RegDeleteKeyA(HKEY_CURRENT_USER, kKeyPath); }

std::string RawValue(const char* name, DWORD* type) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return "<no key>";
  char data[256] = {};
  DWORD size = sizeof data;
  LONG r = RegQueryValueExA(key, name, nullptr, type, reinterpret_cast<BYTE*>(data), &size);
  RegCloseKey(key);
  return r == ERROR_SUCCESS ? std::string(data) : "<no value>";
}

void WriteRaw(const char* name, DWORD type, const void* data, DWORD size) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(key);
}

const char* const kAllSettings[] = {setting::Resolution,      setting::ChangeResolution, setting::Antialiasing,
                                    setting::WideScreen,      setting::ExitOnMouse,      setting::DetailLevelFish,
                                    setting::DetailLevelPlant, setting::DetailLevelWreck, setting::CamSpeed,
                                    setting::PlayMusic,       setting::PlaySound,        setting::Volume,
                                    setting::ColorScheme};

}  // namespace

TEST(SettingsStore, EveryValueIsWrittenAndReadBackAsDecimalText) {
  DeleteSettingsKey();
  int value = -3;
  for (const char* name : kAllSettings) {
    ASSERT_TRUE(WriteSettingInt(kSettingsSection, name, value)) << name;
    DWORD type = 0;
    EXPECT_EQ(RawValue(name, &type), std::to_string(value)) << name;
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ)) << name;
    EXPECT_EQ(ReadSettingInt(kSettingsSection, name, 1000), value) << name;
    value += 7;
  }
  DeleteSettingsKey();
}

TEST(SettingsStore, EmptyKeyGivesTheDefaults) {
  DeleteSettingsKey();
  EXPECT_EQ(ReadSettingInt(kSettingsSection, setting::Volume, 50), 50);
  EXPECT_EQ(ReadSettingInt(kSettingsSection, setting::ColorScheme, 0), 0);
  char buffer[kSettingBufferSize];
  EXPECT_FALSE(ReadSettingString(kSettingsSection, setting::Volume, buffer, sizeof buffer));
}

TEST(SettingsStore, BadStoredValuesGiveTheDefault) {
  DeleteSettingsKey();
  WriteRaw("Volume", REG_SZ, "loud", 5);
  EXPECT_EQ(ReadSettingInt(kSettingsSection, setting::Volume, 50), 50);

  std::string longText(200, '7');
  WriteRaw("Volume", REG_SZ, longText.c_str(), static_cast<DWORD>(longText.size() + 1));
  EXPECT_EQ(ReadSettingInt(kSettingsSection, setting::Volume, 50), 50);

  DWORD number = 80;
  WriteRaw("Volume", REG_DWORD, &number, sizeof number);
  EXPECT_EQ(ReadSettingInt(kSettingsSection, setting::Volume, 50), 50);

  WriteRaw("Volume", REG_SZ, "33", 2);  // stored without its terminating zero
  EXPECT_EQ(ReadSettingInt(kSettingsSection, setting::Volume, 50), 33);
  DeleteSettingsKey();
}

}  // namespace sorvane
