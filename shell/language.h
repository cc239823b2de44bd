// Which user languages get the Russian settings dialog.
#pragma once
#include <string_view>

namespace sorvane {

// `code` is a locale's language id as four hex digits ("0419").
bool IsCyrillicLanguage(std::string_view code);

}  // namespace sorvane
