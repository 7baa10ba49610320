// Finds what a theme author got wrong in a package; each problem is one line for a person.
#pragma once

#include <string>
#include <vector>

namespace tilvora {

// Empty when the package is complete and consistent.
std::vector<std::string> CheckThemePackage(const std::string& path);

} // namespace tilvora
