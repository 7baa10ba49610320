// Construction, new game, selection, board predicates and the per-tick step.
#include "QuandelLogic.h"

#include "DataEnvelope.h"
#include "ProcessClock.h"

#include <algorithm>

namespace tilvora {

QuandelLogic::QuandelLogic(ClockSource clock_source, std::optional<uint32_t> seed)
    : clock(clock_source ? std::move(clock_source) : ClockSource(ProcessClockMs)) {
    random.Seed(seed ? *seed : static_cast<uint32_t>(clock()));
    ResetGame();
    KeyDataCipher(cipher);
}

void QuandelLogic::ResetGame() {
    level_up = false;
    target_count = 3;
    score = 0;
    undo_score = 0;
    undo_progress = 0;
    announce_per_turn = 4;
    moving = false;
    SelectCell(-1, -1);
    level_goal = 60;
    level_progress = 0;
    elapsed_ms = 0;
    for (cell_t& cell : board) {
        cell.letter = 0;
        cell.next_letter = 0;
        cell.state = csIdle;
    }
    ClearUndoBoard();
}

void QuandelLogic::ClearUndoBoard() {
    constexpr cell_t zero_cell{0, 0, 0, 0, 0, 0};
    undo_board.fill(zero_cell);
}

int32_t QuandelLogic::NewGame(const std::string& path) {
    const std::string name = ReadHeaderName(path);
    if (name != dictionary_name && LoadDictionary(path) != 0) {
        return -1;
    }
    StartGame();
    dictionary_name = name;
    return 0;
}

// Steps of a new game that follow the dictionary loading.
void QuandelLogic::StartGame() {
    ResetGame();
    ChooseTargetWords();
    SupplyStep();
    SupplyStep();
    last_tick_clock = clock();
}

bool QuandelLogic::SelectCell(int32_t column, int32_t row) {
    selected_column = column;
    selected_row = row;
    return OnBoard(column, row) && Cell(column, row).letter != 0;
}

bool QuandelLogic::IsSelected(int32_t column, int32_t row) const {
    return column == selected_column && row == selected_row;
}

bool QuandelLogic::HasRoom() const {
    return std::any_of(board.begin(), board.end(), [](const cell_t& c) {
        return c.letter == 0 || c.state == csMatched || c.state == csExploding;
    });
}

bool QuandelLogic::HasFreeCell() const {
    return std::any_of(board.begin(), board.end(), [](const cell_t& c) {
        return (c.letter == 0 && c.next_letter == 0) || c.state == csMatched ||
               c.state == csExploding;
    });
}

bool QuandelLogic::IsBoardEmpty() const {
    return std::all_of(board.begin(), board.end(), [](const cell_t& c) { return c.letter == 0; });
}

bool QuandelLogic::NoneExploding() const {
    return std::none_of(board.begin(), board.end(),
                        [](const cell_t& c) { return c.state == csExploding; });
}

int32_t QuandelLogic::Tick() {
    if (IsBoardEmpty()) {
        SupplyStep();
        SupplyStep();
    } else if (moving && TravelStep()) {
        moving = false;
        SelectCell(-1, -1);
        if (FindWords() == 0) {
            SupplyStep();
            FindWords();
        }
        return 0;
    }
    const int32_t now = clock();
    elapsed_ms = WrapAdd(elapsed_ms, WrapSub(now, last_tick_clock));
    last_tick_clock = now;
    return HasRoom() ? 1 : 2;
}

} // namespace tilvora
