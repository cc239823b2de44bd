// Debian's Emscripten 3.1.6 ships libc++ 13, which lacks C++20's std::bit_cast;
// its clang has the builtin the later libc++ implements it with. Included
// ahead of every source of the page (cmake/web.cmake).
#pragma once
#include <bit>
#include <type_traits>

#if defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 14000
namespace std {
template <class To, class From>
  requires(sizeof(To) == sizeof(From) && is_trivially_copyable_v<To> && is_trivially_copyable_v<From>)
constexpr To bit_cast(const From& from) noexcept {
  return __builtin_bit_cast(To, from);
}
}  // namespace std
#endif
