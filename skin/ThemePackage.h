// The theme package reader: a ZIP archive of def.ini, seven BMP pictures and seven sounds,
// read whole into a theme_t that the skinned window applies.
#pragma once

#include <QByteArray>
#include <QImage>

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tilvora {

// One skinned button: all four edges belong to it.
struct skin_button_t {
    int32_t x1 = 0;
    int32_t y1 = 0;
    int32_t x2 = 0;
    int32_t y2 = 0;
    bool is_pressed = false;
};

// Everything a theme package holds, with the member names of the skinned window. Colours are
// 0x00BBGGRR. Before any load everything is empty or zero.
struct theme_t {
    std::string theme_name;
    std::string theme_info;
    int32_t cell_width = 0;
    int32_t cell_height = 0;
    int32_t grid_left = 0;
    int32_t grid_top = 0;
    int32_t grid_right = 0;
    int32_t grid_bottom = 0;
    int32_t letters_left = 0;
    int32_t letters_top = 0;
    int32_t words_left = 0;
    int32_t words_top = 0;
    int32_t words_pitch = 0;
    bool words_order = false;
    bool words_centred = false;
    int32_t grid_pen_color = 0;
    int32_t grid_brush_color = 0;
    int32_t letters_pen_color = 0;
    int32_t letters_brush_color = 0;
    int32_t words_pen_color = 0;
    int32_t words_brush_color = 0;
    int32_t scores_left = 0;
    int32_t scores_top = 0;
    int32_t scores_font_color = 0;
    int32_t scores_back_color = 0;
    int32_t bank_left = 0;
    int32_t bank_top = 0;
    int32_t digit_width = 0;
    int32_t digit_height = 0;
    QImage bmp_mask;
    QImage bmp_normal;
    QImage bmp_over;
    QImage bmp_pressed;
    QImage bmp_font;
    QImage bmp_digits;
    QImage bmp_exp;
    std::vector<std::pair<std::string, skin_button_t>> skin_buttons; // in sysButtons order
    QByteArray snd_explosion;
    QByteArray snd_pick;
    QByteArray snd_levelup;
    QByteArray snd_nopath;
    QByteArray snd_move;
    QByteArray snd_butover;
    QByteArray snd_butdown;
};

struct theme_picture_t {
    std::string_view member;
    std::string_view field;
    QImage theme_t::*image;
};

struct theme_sound_t {
    std::string_view member;
    std::string_view field;
    QByteArray theme_t::*bytes;
};

// The pictures and sounds of a package, in the order the loader reads them.
inline constexpr std::array<theme_picture_t, 7> theme_pictures{{
    {"mask.bmp", "bmp_mask", &theme_t::bmp_mask},
    {"normal.bmp", "bmp_normal", &theme_t::bmp_normal},
    {"over.bmp", "bmp_over", &theme_t::bmp_over},
    {"pressed.bmp", "bmp_pressed", &theme_t::bmp_pressed},
    {"font.bmp", "bmp_font", &theme_t::bmp_font},
    {"digits.bmp", "bmp_digits", &theme_t::bmp_digits},
    {"exp.bmp", "bmp_exp", &theme_t::bmp_exp},
}};

inline constexpr std::array<theme_sound_t, 7> theme_sounds{{
    {"explosion.wav", "snd_explosion", &theme_t::snd_explosion},
    {"pick.wav", "snd_pick", &theme_t::snd_pick},
    {"levelup.wav", "snd_levelup", &theme_t::snd_levelup},
    {"nopath.wav", "snd_nopath", &theme_t::snd_nopath},
    {"move.wav", "snd_move", &theme_t::snd_move},
    {"butover.wav", "snd_butover", &theme_t::snd_butover},
    {"butdown.wav", "snd_butdown", &theme_t::snd_butdown},
}};

inline constexpr std::string_view theme_description_member = "def.ini";

// Limits that keep a hostile package from exhausting memory.
inline constexpr uint64_t max_description_bytes = uint64_t{1} << 20;
inline constexpr uint64_t max_picture_bytes = uint64_t{64} << 20;
inline constexpr uint64_t max_sound_bytes = uint64_t{32} << 20;
inline constexpr int max_picture_side = 8192;
inline constexpr int64_t max_theme_pixels = int64_t{32} << 20; // all seven pictures together

// A package that cannot be read; the message names the package and the problem.
class ThemePackageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Reads a package whatever its file name. A missing member is no error: it leaves its
// picture or sound empty, and a missing def.ini gives every key its default.
theme_t LoadThemePackage(const std::string& path);
// The same from the bytes of a package; package_name only names it in errors.
theme_t LoadThemePackageFromMemory(const QByteArray& bytes, const std::string& package_name);

} // namespace tilvora
