// Every value the loader reads from a package, one "member = value" line each.
#pragma once

#include "ThemePackage.h"

#include <string>
#include <vector>

namespace tilvora {

std::vector<std::string> ThemeInfoLines(const theme_t& theme);

} // namespace tilvora
