// The default theme's skinned buttons: a plate in one of three looks with an icon and a label.
#pragma once

#include "SkinPictures.h"
#include "ThemeLayout.h"

namespace tilvora {

void PaintButton(QPainter& painter, const layout::button_t& button, ButtonLook look,
                 const theme_fonts_t& fonts);

} // namespace tilvora
