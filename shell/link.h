// What the shell's "open" verb is given for a link: web pages as they are,
// e-mail addresses with "mailto:" in front.
#pragma once
#include <string>
#include <string_view>

namespace sorvane {

constexpr size_t kMaxLinkLength = 255;

std::string LinkTarget(std::string_view text);

}  // namespace sorvane
