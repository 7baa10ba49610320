#include "ThemeDescription.h"

namespace tilvora {

namespace {

constexpr int32_t default_pen_color = 255;        // red
constexpr int32_t default_brush_color = 0xFFFFFF; // white

// left + 10 * size, wrapping like the 32-bit arithmetic of the window code does.
int32_t BoardEdge(int32_t start, int32_t size) {
    return static_cast<int32_t>(static_cast<uint32_t>(start) + 10u * static_cast<uint32_t>(size));
}

} // namespace

void ReadThemeDescription(const IniFile& ini, theme_t& theme) {
    theme.theme_name = ini.ReadString("about", "name", "");
    theme.theme_info = ini.ReadString("about", "info", "");
    theme.cell_width = ini.ReadInteger("grid", "cell_width", 1);
    theme.cell_height = ini.ReadInteger("grid", "cell_height", 1);
    theme.grid_left = ini.ReadInteger("grid", "left", 1);
    theme.grid_top = ini.ReadInteger("grid", "top", 1);
    theme.grid_right = BoardEdge(theme.grid_left, theme.cell_width);
    theme.grid_bottom = BoardEdge(theme.grid_top, theme.cell_height);
    theme.letters_left = ini.ReadInteger("letters", "left", 1);
    theme.letters_top = ini.ReadInteger("letters", "top", 1);
    theme.words_left = ini.ReadInteger("words", "left", 1);
    theme.words_top = ini.ReadInteger("words", "top", 1);
    theme.words_pitch = ini.ReadInteger("words", "pitch", 1);
    theme.words_order = ini.ReadBool("words", "order", false);
    theme.words_centred = ini.ReadBool("words", "centred", true);
    theme.grid_pen_color = ini.ReadInteger("grid", "pen_color", default_pen_color);
    theme.grid_brush_color = ini.ReadInteger("grid", "brush_color", default_brush_color);
    theme.letters_pen_color = ini.ReadInteger("letters", "pen_color", default_pen_color);
    theme.letters_brush_color = ini.ReadInteger("letters", "brush_color", default_brush_color);
    theme.words_pen_color = ini.ReadInteger("words", "pen_color", default_pen_color);
    theme.words_brush_color = ini.ReadInteger("words", "brush_color", default_brush_color);
    theme.scores_left = ini.ReadInteger("scores", "scores_left", 1);
    theme.scores_top = ini.ReadInteger("scores", "scores_top", 1);
    theme.scores_font_color = ini.ReadInteger("scores", "font_color", 0);
    theme.scores_back_color = ini.ReadInteger("scores", "back_color", default_brush_color);
    theme.bank_left = ini.ReadInteger("scores", "bank_left", 1);
    theme.bank_top = ini.ReadInteger("scores", "bank_top", 1);
    theme.digit_width = ini.ReadInteger("scores", "digit_width", 1);
    theme.digit_height = ini.ReadInteger("scores", "digit_height", 1);
}

void ReadSkinButtons(const IniFile& ini, theme_t& theme) {
    theme.skin_buttons.clear();
    for (const std::string& name : ini.ReadSection("sysButtons")) {
        const std::string section = "opt_" + name;
        const skin_button_t button{
            ini.ReadInteger(section, "x1", 0), ini.ReadInteger(section, "y1", 0),
            ini.ReadInteger(section, "x2", 0), ini.ReadInteger(section, "y2", 0), false};
        theme.skin_buttons.emplace_back(name, button);
    }
}

} // namespace tilvora
