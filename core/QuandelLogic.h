// The state of one game and every rule of play, independent of any window.
#pragma once

#include "CRijndael.h"
#include "GameTypes.h"
#include "RandomGenerator.h"
#include "ScoreTable.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <list>
#include <optional>
#include <string>
#include <vector>

namespace tilvora {

// Millisecond counter read by NewGame and Tick (the process clock in the game).
using ClockSource = std::function<int32_t()>;

class QuandelLogic {
  public:
    // Seeds the generator from the clock unless a seed is given (replays, tests).
    explicit QuandelLogic(ClockSource clock = {}, std::optional<uint32_t> seed = {});

    int32_t NewGame(const std::string& path);
    void ResetGame();
    bool SelectCell(int32_t column, int32_t row);
    bool IsSelected(int32_t column, int32_t row) const;
    int32_t Tick();

    bool HasRoom() const;
    bool HasFreeCell() const;
    bool IsBoardEmpty() const;
    bool NoneExploding() const;

    int32_t MoveLetter(int32_t c0, int32_t r0, int32_t c1, int32_t r1);
    int32_t FindPath(int32_t c0, int32_t r0, int32_t c1, int32_t r1);

    int32_t FindWords();
    void LevelUp();

    int32_t ChooseTargetWords();
    std::string PickTargetWord();
    int32_t SupplyStep();
    std::string Announcements() const;

    void TakeSnapshot();
    int32_t Undo();
    bool HasUndoSnapshot() const;

    // Dictionary header check, the Top-10 table and saved games; all go through cipher.
    int32_t CheckDictionaryHeader(const std::string& path);
    int32_t LoadScores(const std::string& path);
    int32_t ResetScores(const std::string& path);
    int32_t AddScore(const std::string& path, const std::string& name);
    bool IsHighScore() const;
    // A negative time stands for the current play time.
    std::string FormatTime(int32_t seconds) const;
    int32_t SaveGame(const std::string& path);
    // "ok", "error", or the name of the other dictionary the game was saved with.
    std::string LoadGame(const std::string& path);

    cell_t& Cell(int32_t column, int32_t row) { return board[CellIndex(column, row)]; }
    const cell_t& Cell(int32_t column, int32_t row) const { return board[CellIndex(column, row)]; }
    RandomGenerator& Random() { return random; }
    int32_t ReadClock() const { return clock(); }

    struct search_node_t {
        int32_t visited = 0;
        int32_t blocked = 0;
        int32_t parent_column = 0;
        int32_t parent_row = 0;
    };

    int32_t last_tick_clock = 0;
    int32_t elapsed_ms = 0;
    int32_t selected_column = -1;
    int32_t selected_row = -1;
    std::vector<std::string> words;
    std::deque<index_t> search_queue;
    search_node_t search_grid[12][12] = {};
    std::deque<index_t> path;
    bool moving = false;
    int32_t announce_per_turn = 4;
    int32_t target_count = 3;
    int32_t score = 0;
    std::string dictionary_name;
    board_t undo_board = {};
    int32_t undo_score = 0;
    int32_t undo_progress = 0;
    int32_t level_goal = 60;
    bool level_up = false;
    int32_t level_progress = 0;
    CRijndael cipher;
    std::vector<std::string> target_words;
    std::vector<dead_word_t> dead_words;
    std::list<score_t> scores;
    board_t board = {};

  private:
    // Dictionary loading; the word store is filled from the file's word list.
    std::string ReadHeaderName(const std::string& path);
    int32_t LoadDictionary(const std::string& path);
    bool TravelStep();
    void ClearUndoBoard();
    bool HasEmptyUnannouncedCell() const;
    index_t DrawCell(bool need_empty);
    void StartGame();

    ClockSource clock;
    RandomGenerator random;
};

} // namespace tilvora
