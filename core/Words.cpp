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

// Searching a line after every appended letter, from a start f that moves past each find,
// finds every occurrence exactly when its last letter is appended: an occurrence can only be
// found at the append that completes it. So each search checks just the occurrence ending at
// the newest letter, which gives the same finds as searching the whole text from f.
int32_t QuandelLogic::FindWords() {
    // The letters do not change during the search: read every line's text once.
    char texts[kLines.size()][kBoardSize];
    for (size_t k = 0; k < kLines.size(); ++k) {
        for (int32_t i = 0; i < kLines[k].length; ++i) {
            const index_t& at = kLines[k].cells[i];
            texts[k][i] = static_cast<char>(Cell(at.column, at.row).letter);
        }
    }
    int32_t found = 0;
    for (const std::string& word : target_words) {
        if (word.empty()) {
            continue;
        }
        const std::string reversed(word.rbegin(), word.rend());
        for (size_t k = 0; k < kLines.size(); ++k) {
            const line_t& line = kLines[k];
            if (static_cast<size_t>(line.length) < word.size()) {
                continue;
            }
            const char* text = texts[k];
            size_t from = 0;
            // Finds the needle ending at the newest letter (the text's first `length` bytes).
            auto search = [&](const std::string& needle, size_t length) {
                if (text[length - 1] != needle.back() || needle.size() > length ||
                    length - needle.size() < from) {
                    return;
                }
                const size_t p = length - needle.size();
                if (needle.compare(0, needle.size(), text + p, needle.size()) != 0) {
                    return;
                }
                for (size_t i = p; i < length; ++i) {
                    Cell(line.cells[i].column, line.cells[i].row).state = csMatched;
                }
                from = p + 1;
                ++found;
                dead_words.push_back({word, 0});
            };
            for (size_t length = 1; length <= static_cast<size_t>(line.length); ++length) {
                search(word, length);
                search(reversed, length);
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
