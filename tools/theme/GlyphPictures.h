// The default theme's glyph pictures: letters with their animation columns, digits, explosion.
#pragma once

#include "ThemeArt.h"

#include <QImage>

#include <array>

namespace tilvora {

// How lit each animation column of a letter is: column 1 rests, 2 to 6 pulse up and down for
// the selected letter, and the wave of a formed word runs through all eight.
inline constexpr std::array<double, 8> letter_glow{0.0, 0.0, 0.4, 0.75, 1.0, 0.75, 0.4, 0.15};
inline constexpr int explosion_frames = 15;

QImage PaintFontPicture(const theme_fonts_t& fonts);
QImage PaintDigitsPicture(const theme_fonts_t& fonts);
QImage PaintExplosionPicture();

} // namespace tilvora
