#include "shell/language.h"

#include <array>

namespace sorvane {

bool IsCyrillicLanguage(std::string_view code) {
  // Bashkir, Belarusian, Russian, Tatar, Sakha, Ukrainian.
  static constexpr std::array<std::string_view, 6> kCyrillic = {"046D", "0423", "0419", "0444", "0485", "0422"};
  for (std::string_view c : kCyrillic) {
    if (code.size() != c.size()) continue;
    bool same = true;
    for (size_t i = 0; i < c.size(); ++i) {
      char a = code[i];
      if (a >= 'a' && a <= 'z') a = static_cast<char>(a - 'a' + 'A');
      same = same && a == c[i];
    }
    if (same) return true;
  }
  return false;
}

}  // namespace sorvane
