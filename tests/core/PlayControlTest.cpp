#include "CoreFixture.h"
#include "PlayControl.h"

namespace tilvora::test {
namespace {

using PlayControlTest = CoreFixture;

TEST(PaintCellStep, AnExplosionFromMinusThreeRunsItsWholeLife) {
    cell_t cell{'a', 0, 1, 0, csExploding, -3};
    std::vector<int32_t> frames;
    std::vector<int32_t> sound_paints;
    for (int32_t paint = 1; paint <= 19; ++paint) {
        if (PaintCellStep(cell)) {
            sound_paints.push_back(paint);
        }
        frames.push_back(cell.letter == 0 ? 99 : cell.frame);
    }
    // The letter shows for two paints, the sound comes on the fourth, the cell empties on
    // the eighteenth.
    EXPECT_EQ(frames[0], -2);
    EXPECT_EQ(frames[1], -1);
    EXPECT_EQ(frames[2], 0);
    EXPECT_EQ(frames[3], 1);
    EXPECT_EQ(frames[16], 14);
    EXPECT_EQ(frames[17], 99);
    EXPECT_EQ(sound_paints, std::vector<int32_t>{4});
    EXPECT_EQ(cell.state, csIdle);
}

TEST(PaintCellStep, ASilentExplosionRearmsTheSound) {
    cell_t cell{'a', 0, 0, 0, csExploding, 0};
    EXPECT_FALSE(PaintCellStep(cell));
    EXPECT_EQ(cell.explosion_sound, 1);
    EXPECT_EQ(cell.frame, 1);
}

TEST(PaintCellStep, RestingFramesFoldIntoRangeAndBlanksAreLeftAlone) {
    const struct {
        cell_t cell;
        int32_t frame_after;
    } cases[] = {
        {{'a', 0, 1, 0, csIdle, 7}, 0},     {{'a', 0, 1, 0, csPath, -1}, 0},
        {{'a', 0, 1, 0, csIdle, 6}, 6},     {{' ', 0, 1, 0, csExploding, 3}, 3},
        {{0, 0, 1, 0, csExploding, 20}, 20}, {{0xE9, 0, 1, 0, csIdle, 9}, 0},
    };
    for (auto test : cases) {
        EXPECT_FALSE(PaintCellStep(test.cell));
        EXPECT_EQ(test.cell.frame, test.frame_after);
    }
}

TEST_F(PlayControlTest, PaintBoardStepCountsExplosionSounds) {
    logic.Cell(1, 1) = cell_t{'a', 0, 1, 0, csExploding, 0};
    logic.Cell(2, 1) = cell_t{'b', 0, 1, 0, csExploding, 0};
    logic.Cell(3, 1) = cell_t{'c', 0, 0, 0, csExploding, 0};
    EXPECT_EQ(PaintBoardStep(logic), 2);
}

TEST_F(PlayControlTest, SelectedLetterCyclesOthersRestOnFrameOne) {
    logic.Cell(0, 0) = cell_t{'a', 0, 1, 0, csIdle, 6};
    logic.Cell(1, 0) = cell_t{'b', 0, 1, 0, csIdle, 4};
    logic.Cell(2, 0) = cell_t{'c', 0, 1, 0, csExploding, -2};
    logic.SelectCell(0, 0);
    AnimateSelectedLetter(logic);
    EXPECT_EQ(logic.Cell(0, 0).frame, 7);
    EXPECT_EQ(logic.Cell(1, 0).frame, 1);
    EXPECT_EQ(logic.Cell(2, 0).frame, -2);
    AnimateSelectedLetter(logic);
    EXPECT_EQ(logic.Cell(0, 0).frame, 0);
}

TEST_F(PlayControlTest, DeadWordsAgeAndLeaveAfterSeven) {
    logic.dead_words = {{"cat", 7}, {"cat", 7}, {"horse", 0}, {"dog", 6}};
    AgeDeadWords(logic);
    ASSERT_EQ(logic.dead_words.size(), 2u);
    EXPECT_EQ(logic.dead_words[0].word, "horse");
    EXPECT_EQ(logic.dead_words[0].frame, 1);
    EXPECT_EQ(logic.dead_words[1].frame, 7);
}

TEST_F(PlayControlTest, TargetWordsSortStablyByLength) {
    logic.target_words = {"giraffe", "dog", "horse", "cat"};
    SortTargetWords(logic, false);
    EXPECT_EQ(logic.target_words, (std::vector<std::string>{"dog", "cat", "horse", "giraffe"}));
    SortTargetWords(logic, true);
    EXPECT_EQ(logic.target_words, (std::vector<std::string>{"giraffe", "horse", "dog", "cat"}));
}

TEST(CellAtPoint, MapsPixelsToCellsWithinTheGrid) {
    const struct {
        int32_t x, y;
        std::optional<index_t> cell;
    } cases[] = {
        {32, 48, index_t{0, 0}},   {63, 79, index_t{0, 0}},   {64, 80, index_t{1, 1}},
        {351, 367, index_t{9, 9}}, {352, 48, std::nullopt},   {31, 48, std::nullopt},
        {40, 47, std::nullopt},    {-100, -100, std::nullopt},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(CellAtPoint(test.x, test.y, 32, 48, 32, 32), test.cell) << test.x << "," << test.y;
    }
    EXPECT_EQ(CellAtPoint(40, 50, 32, 48, 0, 32), std::nullopt) << "cells of no width";
    // Negative cell sizes divide rounding down: only the grid's own corner maps to a cell.
    EXPECT_EQ(CellAtPoint(35, 48, 32, 48, -32, 32), std::nullopt);
    EXPECT_EQ(CellAtPoint(32, 48, 32, 48, -32, 32), (index_t{0, 0}));
}

TEST_F(PlayControlTest, BoardPressesSelectAndMoveFromThePreviousCell) {
    logic.target_words = {"zzz", "yyyyy", "wwwwwww"};
    SetBoard(Rows10({"a.........", "..b......."}));
    PlayControl control;
    // The first press moves from (0, 0), as after start-up.
    auto press = control.BoardPress(logic, {3, 3});
    EXPECT_FALSE(press.picked);
    EXPECT_EQ(press.move_result, 2);
    while (control.RunTick(logic) != 0) {
    }
    EXPECT_EQ(control.last_cell, (index_t{-1, -1}));
    press = control.BoardPress(logic, {5, 5});
    EXPECT_EQ(press.move_result, 1) << "a press after an arrival only selects";
    press = control.BoardPress(logic, {2, 1});
    EXPECT_TRUE(press.picked);
    press = control.BoardPress(logic, {3, 3});
    EXPECT_TRUE(press.picked);
    EXPECT_EQ(press.move_result, 0) << "a second letter is only selected";
    EXPECT_EQ(control.last_cell, (index_t{3, 3}));
}

TEST(PlayControlClock, AnimationStepsComeAtMostOncePerFortyMilliseconds) {
    PlayControl control;
    EXPECT_FALSE(control.AnimationStepDue(40));
    EXPECT_TRUE(control.AnimationStepDue(41));
    EXPECT_FALSE(control.AnimationStepDue(81));
    EXPECT_TRUE(control.AnimationStepDue(82));
    EXPECT_FALSE(control.AnimationStepDue(10)) << "a clock behind the last step waits";
}

} // namespace
} // namespace tilvora::test
