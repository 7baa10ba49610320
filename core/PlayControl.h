// What the main window and the board painter do to the game on each tick, paint and press.
// Window-free, so the game window and the headless driver share it.
#pragma once

#include "QuandelLogic.h"

#include <cstdint>
#include <optional>

namespace tilvora {

// One paint's step for one cell: advances an explosion (true when the explosion sound is
// requested) or folds a resting letter's frame into 0..6. Cells of code 32 or less are left.
bool PaintCellStep(cell_t& cell);

// The paint's step over the whole board, rows then columns; returns the explosion sounds
// requested.
int32_t PaintBoardStep(QuandelLogic& logic);

// Orders the target words for display: stable, by length, longest first when asked.
void SortTargetWords(QuandelLogic& logic, bool longest_first);

// The selected letter's frame cycles 0..7; every other resting letter rests on frame 1.
void AnimateSelectedLetter(QuandelLogic& logic);

// One formed-word animation step: each entry's frame grows, entries past 7 are removed.
void AgeDeadWords(QuandelLogic& logic);

// The board cell under a point of the window, if any.
std::optional<index_t> CellAtPoint(int32_t x, int32_t y, int32_t grid_left, int32_t grid_top,
                                   int32_t cell_width, int32_t cell_height);

// The main window's controller state that play depends on.
class PlayControl {
  public:
    struct press_result_t {
        bool picked = false;     // the pressed cell holds a letter: pick sound
        int32_t move_result = 1; // MoveLetter's result: -1 no path, 2 started
    };

    // A press on board cell (column, row): select it and move the previous cell's letter there.
    press_result_t BoardPress(QuandelLogic& logic, index_t cell);

    // Tick of the core with the window's reaction: a finished move forgets the last click.
    int32_t RunTick(QuandelLogic& logic);

    // True at most once per more than 40 ms of clock: an animation step is due.
    bool AnimationStepDue(int32_t now);

    index_t last_cell{0, 0};
    int32_t last_step_clock = 0;
};

} // namespace tilvora
