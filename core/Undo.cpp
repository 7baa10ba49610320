// One level of undo: the board, score and level progress at the start of the last move.
#include "QuandelLogic.h"

#include <algorithm>

namespace tilvora {

void QuandelLogic::TakeSnapshot() {
    undo_board = board;
    undo_score = score;
    undo_progress = level_progress;
}

bool QuandelLogic::HasUndoSnapshot() const {
    return std::any_of(undo_board.begin(), undo_board.end(),
                       [](const cell_t& c) { return c.letter != 0; });
}

int32_t QuandelLogic::Undo() {
    if (!HasUndoSnapshot()) {
        return 0;
    }
    if (!NoneExploding()) {
        return -1;
    }
    board = undo_board;
    score = undo_score;
    level_progress = undo_progress;
    return 0;
}

} // namespace tilvora
