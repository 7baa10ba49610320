// Generates the default theme's sources: def.ini, the seven pictures and the seven sounds.
#pragma once

#include "PackageWriter.h"
#include "ThemeArt.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tilvora {

// The theme's members, in package order. Needs a QGuiApplication (fonts).
std::vector<package_member_t> DefaultThemeMembers(const theme_fonts_t& fonts);
std::string DefaultThemeDescription();
// The name window's background (name.bmp), the About logo (logo.png) and a music track
// (music.wav), which the game ships beside the theme.
std::vector<package_member_t> DefaultWindowExtras(const theme_fonts_t& fonts);

// Writes members as files into folder, creating it; throws std::runtime_error on failure.
void WriteMembers(const std::filesystem::path& folder,
                  const std::vector<package_member_t>& members);

} // namespace tilvora
