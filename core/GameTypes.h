// Plain records of the game core: one board cell, a cell coordinate, a formed word.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace tilvora {

constexpr int32_t kBoardSize = 10;
constexpr int32_t kCellCount = kBoardSize * kBoardSize;

// Cell states.
constexpr int32_t csIdle = 0;
constexpr int32_t csPath = 1;
constexpr int32_t csMatched = 2;
constexpr int32_t csExploding = 3;

// One board cell; 12 bytes in memory and in the board image.
struct cell_t {
    uint8_t letter = 0;          // 0 = empty
    uint8_t next_letter = 0;     // announced letter, 0 = none
    uint8_t explosion_sound = 1; // 1: request the explosion sound when the explosion starts
    uint8_t reserved = 0;
    int32_t state = csIdle;
    int32_t frame = 0;

    bool operator==(const cell_t&) const = default;
};
static_assert(sizeof(cell_t) == 12);
static_assert(offsetof(cell_t, next_letter) == 1 && offsetof(cell_t, explosion_sound) == 2);
static_assert(offsetof(cell_t, state) == 4 && offsetof(cell_t, frame) == 8);

// The board: column-major, cell (c, r) is element c * 10 + r.
using board_t = std::array<cell_t, kCellCount>;

constexpr int32_t CellIndex(int32_t column, int32_t row) { return column * kBoardSize + row; }
constexpr bool OnBoard(int32_t column, int32_t row) {
    return column >= 0 && column < kBoardSize && row >= 0 && row < kBoardSize;
}

// A cell coordinate, column then row.
struct index_t {
    int32_t column = 0;
    int32_t row = 0;

    bool operator==(const index_t&) const = default;
};

// A target word just formed; its frame drives the wave in the words panel.
struct dead_word_t {
    std::string word;
    int32_t frame = 0;
};

// Two's complement arithmetic on 32-bit values, never undefined behaviour.
constexpr int32_t WrapAdd(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
constexpr int32_t WrapSub(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
constexpr int32_t WrapMul(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

} // namespace tilvora
