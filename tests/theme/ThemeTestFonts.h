// The fonts the default theme is drawn with, loaded once for the tests.
#pragma once

#include "ThemeArt.h"

namespace tilvora::testing {

const theme_fonts_t& Fonts();

} // namespace tilvora::testing
