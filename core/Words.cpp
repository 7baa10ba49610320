// Word detection in rows, columns and diagonals, scoring and the level change.
#include "QuandelLogic.h"

#include <algorithm>
#include <array>

namespace tilvora {

namespace {

struct line_t {
    std::array<index_t, kBoardSize> cells;
    int32_t length = 0;
};

line_t WalkLine(int32_t column, int32_t row, int32_t step_column, int32_t step_row) {
    line_t line;
    while (OnBoard(column, row)) {
        line.cells[line.length++] = {column, row};
        column += step_column;
        row += step_row;
    }
    return line;
}

// The 58 lines in search order: rows, columns, falling-left and falling-right diagonals.
std::array<line_t, 58> MakeLines() {
    std::array<line_t, 58> lines;
    int32_t n = 0;
    for (int32_t row = 0; row < kBoardSize; ++row) {
        lines[n++] = WalkLine(0, row, 1, 0);
    }
    for (int32_t column = 0; column < kBoardSize; ++column) {
        lines[n++] = WalkLine(column, 0, 0, 1);
    }
    for (int32_t column = 0; column < kBoardSize; ++column) {
        lines[n++] = WalkLine(column, 0, -1, 1);
    }
    for (int32_t row = 1; row < kBoardSize; ++row) {
        lines[n++] = WalkLine(kBoardSize - 1, row, -1, 1);
    }
    for (int32_t column = kBoardSize - 1; column >= 0; --column) {
        lines[n++] = WalkLine(column, 0, 1, 1);
    }
    for (int32_t row = 1; row < kBoardSize; ++row) {
        lines[n++] = WalkLine(0, row, 1, 1);
    }
    return lines;
}

const std::array<line_t, 58> kLines = MakeLines();

} // namespace

int32_t QuandelLogic::FindWords() {
    int32_t found = 0;
    for (const std::string& word : target_words) {
        if (word.empty()) {
            continue;
        }
        const std::string reversed(word.rbegin(), word.rend());
        for (const line_t& line : kLines) {
            std::string text;
            size_t from = 0;
            auto search = [&](const std::string& needle) {
                const size_t p = text.find(needle, from);
                if (p == std::string::npos) {
                    return;
                }
                for (size_t i = p; i < p + needle.size(); ++i) {
                    Cell(line.cells[i].column, line.cells[i].row).state = csMatched;
                }
                from = p + 1;
                ++found;
                dead_words.push_back({word, 0});
            };
            for (int32_t i = 0; i < line.length; ++i) {
                text.push_back(static_cast<char>(Cell(line.cells[i].column, line.cells[i].row).letter));
                search(word);
                search(reversed);
            }
        }
    }
    int32_t n = 0;
    for (cell_t& cell : board) {
        if (cell.state == csMatched) {
            cell.frame = n < 14 ? -n : 0;
            cell.state = csExploding;
            ++n;
        }
    }
    const int32_t gain = WrapMul(n, found);
    score = WrapAdd(score, gain);
    level_progress = WrapAdd(level_progress, gain);
    if (level_progress >= level_goal) {
        level_progress = 0;
        LevelUp();
    }
    return n;
}

void QuandelLogic::LevelUp() {
    level_up = true;
    ClearUndoBoard();
    ChooseTargetWords();
    SelectCell(-1, -1);
    for (cell_t& cell : board) {
        cell.frame = 0;
        cell.next_letter = 0;
        if (cell.letter != 0) {
            cell.state = csExploding;
            cell.explosion_sound = 0;
        }
    }
}

} // namespace tilvora
