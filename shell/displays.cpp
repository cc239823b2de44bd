#include "shell/displays.h"

namespace sorvane {

std::vector<DisplayInfo> BuildDisplayList(const std::vector<AdapterRecord>& adapters,
                                          std::vector<size_t>* attachedIndices) {
  std::vector<DisplayInfo> displays;
  for (const AdapterRecord& a : adapters) {
    if (displays.size() == kMaxDisplays) break;
    if (a.mirroring) continue;
    DisplayInfo d;
    d.description = a.description.substr(0, 127);
    d.monitorDescription = a.monitorDescription.substr(0, 127);
    if (a.attachedToDesktop) {
      d.rect.left = a.primary ? 0 : a.modeX;
      d.rect.top = a.primary ? 0 : a.modeY;
      d.rect.right = d.rect.left + a.modeWidth;
      d.rect.bottom = d.rect.top + a.modeHeight;
      if (attachedIndices) attachedIndices->push_back(displays.size());
    }
    displays.push_back(d);
  }
  return displays;
}

}  // namespace sorvane
