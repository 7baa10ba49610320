// The default theme's window: its background in the three button looks, and its shape.
#pragma once

#include "ThemeArt.h"

#include <QImage>

namespace tilvora {

enum class ButtonLook { normal, over, pressed };

// The whole window with every button in one look.
QImage PaintWindow(ButtonLook look, const theme_fonts_t& fonts);
// Black where the window is, white where it is cut away (rounded corners).
QImage PaintWindowMask();

} // namespace tilvora
