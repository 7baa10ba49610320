#include "CoreFixture.h"
#include "PlayControl.h"

namespace tilvora::test {
namespace {

struct UndoTest : CoreFixture {
    void SetUp() override {
        logic.target_words = {"cat", "horse", "giraffe"};
        SetBoard(Rows10({"ca........", "..........", "..........", "........t."}));
        logic.Cell(5, 5).next_letter = 'o';
    }
};

TEST_F(UndoTest, NothingToUndoAfterANewGame) {
    logic.words = {"cat", "horse", "giraffe", "dog"};
    logic.NewGame("no-such-dictionary");
    const board_t before = logic.board;
    EXPECT_EQ(logic.Undo(), 0);
    EXPECT_EQ(logic.board, before);
}

TEST_F(UndoTest, UndoAfterATurnWithoutAWordRestoresBoardAndAnnouncements) {
    ASSERT_EQ(logic.MoveLetter(0, 0, 0, 5), 2);
    const board_t before_move = logic.undo_board;
    TickUntilArrival();
    ASSERT_NE(logic.board, before_move);
    EXPECT_EQ(logic.Undo(), 0);
    EXPECT_EQ(logic.board, before_move);
    EXPECT_EQ(logic.Announcements(), "o");
    EXPECT_EQ(logic.Undo(), 0) << "the snapshot is kept; a second undo changes nothing";
    EXPECT_EQ(logic.board, before_move);
}

TEST_F(UndoTest, UndoIsRefusedWhileAWordExplodesThenTakesThePointsBack) {
    ASSERT_EQ(logic.MoveLetter(8, 3, 2, 0), 2);
    TickUntilArrival();
    EXPECT_EQ(logic.score, 3);
    EXPECT_EQ(logic.Undo(), -1);
    FinishExplosions();
    EXPECT_EQ(logic.Undo(), 0);
    EXPECT_EQ(logic.score, 0);
    EXPECT_EQ(logic.level_progress, 0);
    EXPECT_EQ(Row(3), "........t.");
}

TEST_F(UndoTest, ALevelChangeRemovesTheSnapshot) {
    logic.words = {"cat", "horse", "giraffe", "dog"};
    logic.level_progress = 58;
    ASSERT_EQ(logic.MoveLetter(8, 3, 2, 0), 2);
    TickUntilArrival();
    EXPECT_TRUE(logic.level_up);
    EXPECT_EQ(logic.Undo(), 0) << "no snapshot, so nothing is refused either";
    EXPECT_EQ(CountState(csExploding), CountLetters());
}

TEST_F(UndoTest, ARefusedMoveReplacesTheSnapshot) {
    ASSERT_EQ(logic.MoveLetter(0, 0, 0, 5), 2);
    TickUntilArrival();
    EXPECT_EQ(logic.MoveLetter(0, 5, 1, 0), 0) << "onto a letter";
    const std::string letters = Letters();
    const std::string announced = logic.Announcements();
    EXPECT_EQ(logic.Undo(), 0);
    EXPECT_EQ(Letters(), letters) << "nothing visible changes";
    EXPECT_EQ(logic.Announcements(), announced);
}

TEST_F(UndoTest, UndoWhileTravellingStillCompletesTheTurn) {
    ASSERT_EQ(logic.MoveLetter(0, 0, 0, 5), 2);
    const board_t before_move = logic.undo_board;
    logic.Tick();
    EXPECT_EQ(logic.Undo(), 0);
    EXPECT_EQ(logic.Cell(0, 0).letter, 'c');
    EXPECT_TRUE(logic.moving);
    TickUntilArrival();
    EXPECT_EQ(logic.Cell(0, 0).letter, 'c') << "the travel goes on over empty cells";
    EXPECT_EQ(logic.Announcements().size(), 4u) << "the arrival still supplies letters";
    EXPECT_EQ(logic.Undo(), 0);
    EXPECT_EQ(logic.board, before_move);
}

} // namespace
} // namespace tilvora::test
