// Reads a theme's def.ini into the theme state: texts, geometry, colours and buttons, each key
// with its default when missing or not an integer.
#pragma once

#include "IniFile.h"
#include "ThemePackage.h"

namespace tilvora {

// The sections about, grid, letters, words and scores, in the loader's order.
void ReadThemeDescription(const IniFile& description, theme_t& theme);
// The keys of sysButtons in file order, each with the rectangle of its "opt_" section.
void ReadSkinButtons(const IniFile& description, theme_t& theme);

} // namespace tilvora
