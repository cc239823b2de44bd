// The settings store on the Windows registry.
#include <windows.h>

#include <cstdio>

#include "settings/settings.h"
#include "settings/settings_store.h"

namespace sorvane {

namespace {
void KeyPath(const char* section, char (&path)[256]) { std::snprintf(path, sizeof path, "%s\\%s", kProductKey, section); }
}  // namespace

bool ReadSettingString(const char* section, const char* name, char* buffer, size_t size) {
  char path[256];
  KeyPath(section, path);
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  DWORD type = 0;
  DWORD length = 0;
  bool ok = RegQueryValueExA(key, name, nullptr, &type, nullptr, &length) == ERROR_SUCCESS;
  // Only text that fits the buffer with its terminating zero is read.
  ok = ok && (type == REG_SZ || type == REG_EXPAND_SZ) && length < size;
  if (ok) {
    length = static_cast<DWORD>(size);
    ok = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &length) == ERROR_SUCCESS;
    if (ok) buffer[length < size ? length : size - 1] = '\0';
  }
  RegCloseKey(key);
  return ok;
}

int32_t ReadSettingInt(const char* section, const char* name, int32_t fallback) {
  char buffer[kSettingBufferSize];
  if (!ReadSettingString(section, name, buffer, sizeof buffer)) return fallback;
  return ParseSettingText(buffer, sizeof buffer, fallback);
}

bool WriteSettingString(const char* section, const char* name, const char* text) {
  char path[256];
  KeyPath(section, path);
  HKEY key;
  char emptyClass[] = "";
  if (RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, emptyClass, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return false;
  bool ok = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                           static_cast<DWORD>(lstrlenA(text) + 1)) == ERROR_SUCCESS;
  RegCloseKey(key);
  return ok;
}

bool WriteSettingInt(const char* section, const char* name, int32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
  return WriteSettingString(section, name, text);
}

}  // namespace sorvane
