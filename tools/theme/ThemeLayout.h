// Where everything stands in the default theme's window; the pictures and def.ini share it.
#pragma once

#include <QColor>
#include <QRect>

#include <array>
#include <string_view>

namespace tilvora::layout {

inline constexpr int window_width = 672;
inline constexpr int window_height = 480;
inline constexpr int corner_radius = 22;

inline constexpr int cell = 32;
inline constexpr QRect board{32, 80, 10 * cell, 10 * cell};

inline constexpr QRect side_panel{368, 72, 288, 336};
inline constexpr int panel_inner_left = side_panel.left() + 16;
inline constexpr int words_top = 112;
inline constexpr int words_pitch = 10;
inline constexpr int words_rows = 3;
inline constexpr int words_letters = 8;
inline constexpr int letters_top = 272;
inline constexpr int letters_count = 4;
inline constexpr int letters_left = panel_inner_left + (words_letters - letters_count) * cell / 2;

inline constexpr int digit_width = 20;
inline constexpr int digit_height = 30;
inline constexpr int score_digits = 8;
inline constexpr int bank_digits = 4;
inline constexpr int scores_left = side_panel.left() + 12;
inline constexpr int scores_top = 352;
inline constexpr int bank_left = scores_left + score_digits * digit_width + 24;
inline constexpr int bank_top = scores_top;

struct button_t {
    std::string_view name;
    std::string_view label;
    QRect rect; // QRect's right() and bottom() are inclusive, like a skinned button's x2, y2
};

inline constexpr int command_width = 96;
inline constexpr int command_step = 105;
inline constexpr int command_top = 422;
inline constexpr int command_height = 40;

constexpr QRect CommandRect(int i) {
    return {board.left() + i * command_step, command_top, command_width, command_height};
}

inline constexpr std::array<button_t, 8> buttons{{
    {"btnNew", "New", CommandRect(0)},
    {"btnUndo", "Undo", CommandRect(1)},
    {"btnSave", "Save", CommandRect(2)},
    {"btnLoad", "Load", CommandRect(3)},
    {"btnScores", "Scores", CommandRect(4)},
    {"btnOptions", "Options", CommandRect(5)},
    {"btnMinimize", "", QRect(584, 22, 30, 26)},
    {"btnExit", "", QRect(620, 22, 30, 26)},
}};

// Colours of the face; the ones the painter uses are written into def.ini.
inline constexpr QColor board_fill{0x1c, 0x21, 0x40};
inline constexpr QColor grid_line{0x34, 0x3c, 0x6e};
inline constexpr QColor slot_frame{0xc8, 0x96, 0x3e};
inline constexpr QColor letters_frame{0x6f, 0x9c, 0xd8};
inline constexpr QColor gold{0xe6, 0xb4, 0x55};
inline constexpr QColor gold_dark{0x8a, 0x62, 0x22};
inline constexpr QColor ivory{0xf6, 0xec, 0xd6};
inline constexpr QColor ink{0x3a, 0x28, 0x18};
inline constexpr QColor label{0xb9, 0xc1, 0xe8};
inline constexpr QColor display_fill{0x0c, 0x0e, 0x22};
inline constexpr QColor amber{0xff, 0xc4, 0x4d};
inline constexpr QColor list_text{0x20, 0x1a, 0x3a};
inline constexpr QColor list_back{0xf6, 0xf0, 0xe2};

} // namespace tilvora::layout
