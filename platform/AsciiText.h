// Case-blind comparison of names (INI sections and keys, archive members): only A-Z and a-z
// match each other, every other byte only itself, whatever the locale.
#pragma once

#include <algorithm>
#include <string_view>

namespace tilvora {

inline bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace tilvora
