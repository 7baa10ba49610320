#include "PlayControl.h"
#include "QuandelLogic.h"

#include <gtest/gtest.h>

#include <random>

namespace tilvora::test {
namespace {

const std::vector<std::string> kWords = {"cat",   "dog",    "ant",     "bee",    "horse",
                                         "sheep", "camel",  "giraffe", "buffalo", "antelope",
                                         "eel",   "donkey", "hamster", "mule",   "weasel"};

struct game_record_t {
    std::vector<board_t> boards;
    int32_t score = 0;
    int32_t level_ups = 0;
    bool over = false;
};

// Plays a whole game as the window would: presses on random cells, 40 ms ticks with a paint
// each, until the game ends or the turn budget runs out.
game_record_t PlayGame(uint32_t seed, uint32_t player_seed) {
    int32_t now = 0;
    QuandelLogic logic([&now] { return now; }, seed);
    logic.words = kWords;
    logic.NewGame("no-such-dictionary");
    PlayControl control;
    std::mt19937 player(player_seed);
    game_record_t record;
    for (int32_t step = 0; step < 20000 && !record.over; ++step) {
        if (step % 3 == 0) {
            const index_t cell{static_cast<int32_t>(player() % 10),
                               static_cast<int32_t>(player() % 10)};
            control.BoardPress(logic, cell);
        }
        if (logic.level_up) {
            ++record.level_ups;
            logic.level_up = false;
        }
        AnimateSelectedLetter(logic);
        now += 40;
        const int32_t result = control.RunTick(logic);
        if (control.AnimationStepDue(now)) {
            AgeDeadWords(logic);
        }
        PaintBoardStep(logic);
        record.boards.push_back(logic.board);
        record.over = result == 2;
        for (const cell_t& cell : logic.board) {
            if (cell.letter != 0) {
                EXPECT_NE(std::string("catdoganthorsesheepcamelgiraffebuffaloantelopebeeeel"
                                      "donkeyhamstermuleweasel")
                              .find(static_cast<char>(cell.letter)),
                          std::string::npos);
            }
        }
    }
    record.score = logic.score;
    return record;
}

TEST(ReplayTest, AGameReplaysExactlyFromItsSeed) {
    const game_record_t first = PlayGame(7, 1);
    const game_record_t second = PlayGame(7, 1);
    EXPECT_TRUE(first.over);
    EXPECT_GT(first.score, 0);
    EXPECT_EQ(first.boards, second.boards);
    EXPECT_NE(PlayGame(8, 1).boards, first.boards);
}

TEST(ReplayTest, LongGamesChangeLevelsAndEnd) {
    int32_t level_ups = 0;
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        const game_record_t game = PlayGame(seed, seed * 31);
        EXPECT_TRUE(game.over) << "seed " << seed;
        level_ups += game.level_ups;
    }
    EXPECT_GT(level_ups, 0);
}

} // namespace
} // namespace tilvora::test
