#include "shell/link.h"

namespace sorvane {

std::string LinkTarget(std::string_view text) {
  size_t at = text.find('@');
  size_t scheme = text.find_first_of("%/:");
  bool mail = at != std::string_view::npos && (scheme == std::string_view::npos || at < scheme);
  std::string target = mail ? "mailto:" : "";
  target.append(text);
  if (target.size() > kMaxLinkLength) target.resize(kMaxLinkLength);
  return target;
}

}  // namespace sorvane
