#include "CoreFixture.h"
#include "PlayControl.h"

namespace tilvora::test {

void CoreFixture::FinishExplosions() {
    for (int32_t paint = 0; paint < 100 && !logic.NoneExploding(); ++paint) {
        PaintBoardStep(logic);
    }
    ASSERT_TRUE(logic.NoneExploding());
}

namespace {

using BoardTest = CoreFixture;

TEST_F(BoardTest, ConstructionLeavesAResetGameWithConstructedCells) {
    EXPECT_EQ(logic.selected_column, -1);
    EXPECT_EQ(logic.level_goal, 60);
    EXPECT_EQ(logic.announce_per_turn, 4);
    EXPECT_EQ(logic.target_count, 3);
    EXPECT_TRUE(logic.IsBoardEmpty());
    EXPECT_FALSE(logic.HasUndoSnapshot());
    for (const cell_t& cell : logic.board) {
        EXPECT_EQ(cell, (cell_t{0, 0, 1, 0, 0, 0}));
    }
    EXPECT_EQ(logic.undo_board[0], (cell_t{0, 0, 0, 0, 0, 0}));
}

TEST_F(BoardTest, ResetGameKeepsFrameAndExplosionSoundOfCells) {
    logic.Cell(3, 4) = cell_t{'a', 'b', 0, 7, csExploding, 9};
    logic.score = 50;
    logic.moving = true;
    logic.target_words = {"cat"};
    logic.ResetGame();
    EXPECT_EQ(logic.Cell(3, 4), (cell_t{0, 0, 0, 7, csIdle, 9}));
    EXPECT_EQ(logic.score, 0);
    EXPECT_FALSE(logic.moving);
    EXPECT_EQ(logic.target_words.size(), 1u);
}

TEST_F(BoardTest, SelectCellStoresAnyCellAndTellsWhetherItHoldsALetter) {
    logic.Cell(2, 3).letter = 'q';
    EXPECT_TRUE(logic.SelectCell(2, 3));
    EXPECT_TRUE(logic.IsSelected(2, 3));
    EXPECT_FALSE(logic.SelectCell(4, 4));
    EXPECT_TRUE(logic.IsSelected(4, 4));
    EXPECT_FALSE(logic.SelectCell(-1, -1));
    EXPECT_FALSE(logic.SelectCell(10, 99));
    EXPECT_TRUE(logic.IsSelected(10, 99));
}

TEST_F(BoardTest, PredicatesCountExplodingAndMatchedCellsAsRoom) {
    for (cell_t& cell : logic.board) {
        cell.letter = 'x';
    }
    EXPECT_FALSE(logic.HasRoom());
    EXPECT_FALSE(logic.HasFreeCell());
    EXPECT_FALSE(logic.IsBoardEmpty());
    logic.Cell(9, 9).state = csMatched;
    EXPECT_TRUE(logic.HasRoom());
    EXPECT_TRUE(logic.HasFreeCell());
    logic.Cell(9, 9).state = csExploding;
    EXPECT_FALSE(logic.NoneExploding());
    logic.Cell(9, 9) = cell_t{0, 'a', 1, 0, 0, 0};
    EXPECT_TRUE(logic.HasRoom());
    EXPECT_FALSE(logic.HasFreeCell()) << "an announced empty cell is not free";
}

TEST_F(BoardTest, NewGameStartsWithFourLettersAndFourAnnounced) {
    logic.words = {"cat", "horse", "giraffe", "dog"};
    *now = 500;
    EXPECT_EQ(logic.NewGame("no-such-dictionary"), 0);
    EXPECT_EQ(CountLetters(), 4);
    EXPECT_EQ(logic.Announcements().size(), 4u);
    ASSERT_EQ(logic.target_words.size(), 3u);
    EXPECT_TRUE(logic.target_words[0] == "cat" || logic.target_words[0] == "dog");
    EXPECT_EQ(logic.target_words[1], "horse");
    EXPECT_EQ(logic.target_words[2], "giraffe");
    EXPECT_EQ(logic.score, 0);
    EXPECT_EQ(logic.level_goal - logic.level_progress, 60);
    EXPECT_EQ(logic.last_tick_clock, 500);
}

TEST_F(BoardTest, NewGameWithoutWordsLeavesTheBoardEmptyAndTicksGoOn) {
    EXPECT_EQ(logic.NewGame("no-such-dictionary"), 0);
    EXPECT_TRUE(logic.target_words.empty());
    EXPECT_EQ(logic.Tick(), 1);
    EXPECT_TRUE(logic.IsBoardEmpty());
}

TEST_F(BoardTest, TickOnAnEmptyBoardRunsTwoSupplySteps) {
    logic.target_words = {"cat", "horse", "giraffe"};
    // After a level change no announcement is pending: four letters appear.
    EXPECT_EQ(logic.Tick(), 1);
    EXPECT_EQ(CountLetters(), 4);
    EXPECT_EQ(logic.Announcements().size(), 4u);
    // With four announcements pending, eight letters appear.
    for (cell_t& cell : logic.board) {
        cell.letter = 0;
    }
    EXPECT_EQ(logic.Tick(), 1);
    EXPECT_EQ(CountLetters(), 8);
}

TEST_F(BoardTest, TickReportsGameOverOnlyWhileNothingExplodes) {
    for (cell_t& cell : logic.board) {
        cell.letter = 'x';
    }
    EXPECT_EQ(logic.Tick(), 2);
    EXPECT_EQ(logic.Tick(), 2);
    logic.Cell(5, 5).state = csExploding;
    EXPECT_EQ(logic.Tick(), 1);
}

TEST_F(BoardTest, PlayTimeSumsTheIntervalsBetweenTicksAndWraps) {
    logic.Cell(0, 0).letter = 'a';
    logic.last_tick_clock = 100;
    *now = 140;
    logic.Tick();
    *now = 10140; // a long pause, as while minimised
    logic.Tick();
    EXPECT_EQ(logic.elapsed_ms, 10040);
    logic.elapsed_ms = INT32_MAX;
    *now += 2;
    logic.Tick();
    EXPECT_EQ(logic.elapsed_ms, INT32_MIN + 1);
}

} // namespace
} // namespace tilvora::test
