// Helpers shared by the game-core tests: a core with a virtual clock, and boards from text.
#pragma once

#include "QuandelLogic.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tilvora::test {

// A core whose clock is a counter the test moves, seeded explicitly.
struct CoreFixture : ::testing::Test {
    std::shared_ptr<int32_t> now = std::make_shared<int32_t>(0);
    QuandelLogic logic{[clock = now] { return *clock; }, 12345u};

    // Lays ten rows of ten characters on the board; '.' is an empty cell.
    void SetBoard(const std::vector<std::string>& rows) {
        ASSERT_EQ(rows.size(), 10u);
        for (int32_t r = 0; r < 10; ++r) {
            ASSERT_EQ(rows[r].size(), 10u);
            for (int32_t c = 0; c < 10; ++c) {
                cell_t& cell = logic.Cell(c, r);
                cell = cell_t{};
                cell.letter = rows[r][c] == '.' ? 0 : static_cast<uint8_t>(rows[r][c]);
            }
        }
    }

    std::string Row(int32_t r) const {
        std::string text;
        for (int32_t c = 0; c < 10; ++c) {
            const uint8_t letter = logic.Cell(c, r).letter;
            text.push_back(letter == 0 ? '.' : static_cast<char>(letter));
        }
        return text;
    }

    // The whole board's letters, row after row.
    std::string Letters() const {
        std::string text;
        for (int32_t r = 0; r < 10; ++r) {
            text += Row(r);
        }
        return text;
    }

    int32_t CountLetters() const {
        int32_t n = 0;
        for (const cell_t& cell : logic.board) {
            n += cell.letter != 0 ? 1 : 0;
        }
        return n;
    }

    int32_t CountState(int32_t state) const {
        int32_t n = 0;
        for (const cell_t& cell : logic.board) {
            n += cell.state == state ? 1 : 0;
        }
        return n;
    }

    // Ticks until the travelling letter arrives; returns the number of ticks taken.
    int32_t TickUntilArrival() {
        for (int32_t ticks = 1; ticks <= 200; ++ticks) {
            *now += 40;
            if (logic.Tick() == 0) {
                return ticks;
            }
        }
        ADD_FAILURE() << "the letter never arrived";
        return -1;
    }

    // Paints until no cell explodes any more.
    void FinishExplosions();
};

inline const std::vector<std::string> kEmptyRows(10, "..........");

// The given top rows, completed with empty rows to ten.
inline std::vector<std::string> Rows10(std::vector<std::string> top) {
    top.resize(10, "..........");
    return top;
}

} // namespace tilvora::test
