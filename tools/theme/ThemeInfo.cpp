#include "ThemeInfo.h"

#include <array>
#include <utility>

namespace tilvora {

namespace {

const std::array<std::pair<const char*, int32_t theme_t::*>, 25> integer_members{{
    {"cell_width", &theme_t::cell_width},
    {"cell_height", &theme_t::cell_height},
    {"grid_left", &theme_t::grid_left},
    {"grid_top", &theme_t::grid_top},
    {"grid_right", &theme_t::grid_right},
    {"grid_bottom", &theme_t::grid_bottom},
    {"letters_left", &theme_t::letters_left},
    {"letters_top", &theme_t::letters_top},
    {"words_left", &theme_t::words_left},
    {"words_top", &theme_t::words_top},
    {"words_pitch", &theme_t::words_pitch},
    {"grid_pen_color", &theme_t::grid_pen_color},
    {"grid_brush_color", &theme_t::grid_brush_color},
    {"letters_pen_color", &theme_t::letters_pen_color},
    {"letters_brush_color", &theme_t::letters_brush_color},
    {"words_pen_color", &theme_t::words_pen_color},
    {"words_brush_color", &theme_t::words_brush_color},
    {"scores_left", &theme_t::scores_left},
    {"scores_top", &theme_t::scores_top},
    {"scores_font_color", &theme_t::scores_font_color},
    {"scores_back_color", &theme_t::scores_back_color},
    {"bank_left", &theme_t::bank_left},
    {"bank_top", &theme_t::bank_top},
    {"digit_width", &theme_t::digit_width},
    {"digit_height", &theme_t::digit_height},
}};

std::string Line(const std::string& member, const std::string& value) {
    return member + " = " + value;
}

} // namespace

std::vector<std::string> ThemeInfoLines(const theme_t& theme) {
    std::vector<std::string> lines{Line("theme_name", theme.theme_name),
                                   Line("theme_info", theme.theme_info)};
    for (const auto& [name, member] : integer_members)
        lines.push_back(Line(name, std::to_string(theme.*member)));
    lines.push_back(Line("words_order", theme.words_order ? "1" : "0"));
    lines.push_back(Line("words_centred", theme.words_centred ? "1" : "0"));
    for (const auto& [name, button] : theme.skin_buttons)
        lines.push_back(Line("button " + name,
                             std::to_string(button.x1) + " " + std::to_string(button.y1) + " " +
                                 std::to_string(button.x2) + " " + std::to_string(button.y2)));
    for (const theme_picture_t& picture : theme_pictures) {
        const QImage& image = theme.*picture.image;
        lines.push_back(Line(std::string(picture.field),
                             std::to_string(image.width()) + "x" + std::to_string(image.height())));
    }
    for (const theme_sound_t& sound : theme_sounds)
        lines.push_back(
            Line(std::string(sound.field), std::to_string((theme.*sound.bytes).size()) + " bytes"));
    return lines;
}

} // namespace tilvora
