#include "PlayControl.h"

#include <algorithm>

namespace tilvora {

bool PaintCellStep(cell_t& cell) {
    if (cell.letter <= 32) {
        return false;
    }
    if (cell.state != csExploding) {
        if (cell.frame < 0 || cell.frame > 6) {
            cell.frame = 0;
        }
        return false;
    }
    if (cell.frame >= 14) {
        cell.letter = 0;
        cell.state = csIdle;
        return false;
    }
    bool sound = false;
    if (cell.frame == 0) {
        sound = cell.explosion_sound == 1;
        if (cell.explosion_sound == 0) {
            cell.explosion_sound = 1;
        }
    }
    ++cell.frame;
    return sound;
}

int32_t PaintBoardStep(QuandelLogic& logic) {
    int32_t sounds = 0;
    for (int32_t row = 0; row < kBoardSize; ++row) {
        for (int32_t column = 0; column < kBoardSize; ++column) {
            sounds += PaintCellStep(logic.Cell(column, row)) ? 1 : 0;
        }
    }
    return sounds;
}

void SortTargetWords(QuandelLogic& logic, bool longest_first) {
    std::stable_sort(logic.target_words.begin(), logic.target_words.end(),
                     [longest_first](const std::string& a, const std::string& b) {
                         return longest_first ? a.size() > b.size() : a.size() < b.size();
                     });
}

void AnimateSelectedLetter(QuandelLogic& logic) {
    for (int32_t row = 0; row < kBoardSize; ++row) {
        for (int32_t column = 0; column < kBoardSize; ++column) {
            cell_t& cell = logic.Cell(column, row);
            if (cell.letter <= 32 || cell.state == csExploding) {
                continue;
            }
            if (!logic.IsSelected(column, row)) {
                cell.frame = 1;
            } else {
                cell.frame = cell.frame >= 7 ? 0 : cell.frame + 1;
            }
        }
    }
}

void AgeDeadWords(QuandelLogic& logic) {
    auto& words = logic.dead_words;
    for (size_t i = 0; i < words.size();) {
        words[i].frame = WrapAdd(words[i].frame, 1);
        if (words[i].frame > 7) {
            words.erase(words.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
}

namespace {

// Integer division rounding down, also for a negative divisor.
int64_t FloorDivide(int64_t a, int64_t b) {
    const int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

} // namespace

std::optional<index_t> CellAtPoint(int32_t x, int32_t y, int32_t grid_left, int32_t grid_top,
                                   int32_t cell_width, int32_t cell_height) {
    const int64_t dx = int64_t{x} - grid_left;
    const int64_t dy = int64_t{y} - grid_top;
    // A theme with cells of no size has no board to press on.
    if (dx < 0 || dy < 0 || cell_width == 0 || cell_height == 0) {
        return std::nullopt;
    }
    const int64_t column = FloorDivide(dx, cell_width);
    const int64_t row = FloorDivide(dy, cell_height);
    if (column < 0 || column >= kBoardSize || row < 0 || row >= kBoardSize) {
        return std::nullopt;
    }
    return index_t{static_cast<int32_t>(column), static_cast<int32_t>(row)};
}

PlayControl::press_result_t PlayControl::BoardPress(QuandelLogic& logic, index_t cell) {
    press_result_t result;
    result.picked = logic.SelectCell(cell.column, cell.row);
    result.move_result = logic.MoveLetter(last_cell.column, last_cell.row, cell.column, cell.row);
    last_cell = cell;
    return result;
}

int32_t PlayControl::RunTick(QuandelLogic& logic) {
    const int32_t result = logic.Tick();
    if (result == 0) {
        last_cell = {-1, -1};
    }
    return result;
}

bool PlayControl::AnimationStepDue(int32_t now) {
    if (WrapSub(now, last_step_clock) <= 40) {
        return false;
    }
    last_step_clock = now;
    return true;
}

} // namespace tilvora
