// The list of displays, built from what the system reports of its adapters.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace sorvane {

struct Rect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  int32_t Width() const { return right - left; }
  int32_t Height() const { return bottom - top; }
};

// One adapter as the system describes it.
struct AdapterRecord {
  std::string adapterName;   // the device name, used to ask for its monitor
  std::string description;
  std::string monitorDescription;
  bool mirroring = false;
  bool attachedToDesktop = false;
  bool primary = false;
  int32_t modeX = 0, modeY = 0;  // position of the current mode on the desktop
  int32_t modeWidth = 0, modeHeight = 0;
};

struct DisplayInfo {
  std::string description;
  std::string monitorDescription;
  void* monitor = nullptr;  // null when the display is not part of the desktop
  Rect rect;
  int32_t spare = -1;
  void* window = nullptr;
};

constexpr size_t kMaxDisplays = 9;

// Skips mirroring drivers and keeps at most nine displays. The monitor handles
// are left null; the caller looks them up for displays with attachedToDesktop.
std::vector<DisplayInfo> BuildDisplayList(const std::vector<AdapterRecord>& adapters,
                                          std::vector<size_t>* attachedIndices = nullptr);

}  // namespace sorvane
