// Pictures the other windows show: the name window's background and the About tab's logo.
#pragma once

#include "ThemeArt.h"

#include <QImage>

namespace tilvora {

inline constexpr QRgb name_window_transparent = 0xFFFF00FF; // magenta

// 229 x 225; magenta wherever the window's own colour should show through.
QImage PaintNameWindowBackground(const theme_fonts_t& fonts);
// 128 x 128 with an alpha channel.
QImage PaintLogo(const theme_fonts_t& fonts);

} // namespace tilvora
