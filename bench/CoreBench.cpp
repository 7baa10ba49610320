// Costs of the game core's per-turn work: path search, word search and an arrival tick.
#include "QuandelLogic.h"

#include <benchmark/benchmark.h>

namespace tilvora {
namespace {

// Free rows joined at alternate ends by one gap in the walls between them: the longest
// shortest path the board can hold, from (0, 0) to the far end of row 8.
void LaySnake(QuandelLogic& logic) {
    for (int32_t r = 0; r < kBoardSize; ++r) {
        for (int32_t c = 0; c < kBoardSize; ++c) {
            const bool wall = r % 2 == 1 && c != ((r / 2) % 2 == 0 ? 9 : 0);
            logic.Cell(c, r).letter = wall || r == 9 ? 'x' : 0;
        }
    }
    logic.Cell(0, 0).letter = 'a';
}

void BM_FindPathSnake(benchmark::State& state) {
    QuandelLogic logic([] { return 0; }, 1u);
    LaySnake(logic);
    for (auto _ : state) {
        benchmark::DoNotOptimize(logic.FindPath(0, 0, 0, 8));
    }
    state.counters["path_cells"] = static_cast<double>(logic.path.size());
}
BENCHMARK(BM_FindPathSnake);

// A full board of letters of the target words.
QuandelLogic FullBoard() {
    QuandelLogic logic([] { return 0; }, 1u);
    logic.target_words = {"cart", "engine", "gearbox"};
    const std::string letters = "cartenginegearbox";
    for (int32_t i = 0; i < kCellCount; ++i) {
        logic.board[i].letter = static_cast<uint8_t>(letters[(i * 7) % letters.size()]);
    }
    logic.level_goal = INT32_MAX;
    return logic;
}

void BM_FindWordsFullBoard(benchmark::State& state) {
    QuandelLogic logic = FullBoard();
    const board_t board = logic.board;
    int32_t cells = 0;
    for (auto _ : state) {
        logic.board = board;
        logic.dead_words.clear();
        cells = logic.FindWords();
        benchmark::DoNotOptimize(cells);
    }
    state.counters["exploding_cells"] = cells;
}
BENCHMARK(BM_FindWordsFullBoard);

// The tick at which a letter arrives: travel end, word check, supply step, word check.
void BM_ArrivalTick(benchmark::State& state) {
    QuandelLogic logic([] { return 0; }, 1u);
    logic.target_words = {"cart", "engine", "gearbox"};
    logic.Cell(1, 0).letter = 'c';
    logic.Cell(4, 4).letter = 'e';
    logic.Cell(2, 2).next_letter = 'g';
    logic.Cell(7, 1).next_letter = 'r';
    const board_t board = logic.board;
    for (auto _ : state) {
        logic.board = board;
        logic.path = {{1, 0}};
        logic.moving = true;
        benchmark::DoNotOptimize(logic.Tick());
    }
}
BENCHMARK(BM_ArrivalTick);

} // namespace
} // namespace tilvora

BENCHMARK_MAIN();
