// A settings store in memory, for the tests of what is read from the registry
// on Windows.
#pragma once
#include <cstring>
#include <map>
#include <string>

#include "settings/load_settings.h"

namespace sorvane {

class MemorySettings : public SettingsSource {
 public:
  bool ReadText(const char* name, char* buffer, size_t size) override {
    auto it = values.find(name);
    if (it == values.end() || it->second.size() >= size) return false;
    std::memcpy(buffer, it->second.c_str(), it->second.size() + 1);
    return true;
  }
  std::map<std::string, std::string> values;
};

}  // namespace sorvane
