#include "CoreFixture.h"

namespace tilvora::test {
namespace {

using MovesTest = CoreFixture;

std::vector<index_t> PathOf(const QuandelLogic& logic) {
    return {logic.path.begin(), logic.path.end()};
}

struct path_case_t {
    const char* name;
    std::vector<std::string> rows; // 'a' is the source, '*' the target, 'x' a blocking letter
    int32_t result;
    std::vector<index_t> expected;
};

index_t Find(const std::vector<std::string>& rows, char ch) {
    for (int32_t r = 0; r < 10; ++r) {
        for (int32_t c = 0; c < 10; ++c) {
            if (rows[r][c] == ch) {
                return {c, r};
            }
        }
    }
    return {-1, -1};
}

TEST_F(MovesTest, ShortestPathsFollowTheNeighbourOrder) {
    const std::vector<path_case_t> cases = {
        {"right first, then down-right", Rows10({"a.........", "..*......."}), 0,
         {{0, 0}, {1, 0}, {2, 1}}},
        {"left is tried before down-left",
         Rows10({"..........", "..........", "..........", ".....a....", "...*......"}), 0,
         {{5, 3}, {4, 3}, {3, 4}}},
        {"squeeze between letters touching at a corner", Rows10({".x........", "xax.......",
                                                              ".x........", "...*......"}),
         0, {{1, 1}, {2, 2}, {3, 3}}},
        {"walled in on all eight sides", Rows10({"xxx.......", "xax.......", "xxx....*.."}), 1, {}},
        {"around a wall", Rows10({"..........", "..x.......", "a.x.*.....", "..x......."}), 0,
         {{0, 2}, {1, 3}, {2, 4}, {3, 3}, {4, 2}}},
    };
    for (const path_case_t& test : cases) {
        SCOPED_TRACE(test.name);
        std::vector<std::string> rows = test.rows;
        const index_t source = Find(rows, 'a');
        const index_t target = Find(rows, '*');
        rows[target.row][target.column] = '.';
        SetBoard(rows);
        EXPECT_EQ(logic.FindPath(source.column, source.row, target.column, target.row),
                  test.result);
        EXPECT_EQ(PathOf(logic), test.expected);
        EXPECT_EQ(CountState(csPath), static_cast<int32_t>(test.expected.size()));
        EXPECT_TRUE(logic.search_queue.empty());
    }
}

TEST_F(MovesTest, FindPathCodes) {
    SetBoard({"ab........", "..........", "..........", "..........", "..........",
              "..........", "..........", "..........", "..........", ".........."});
    EXPECT_EQ(logic.FindPath(0, 0, 1, 0), 2) << "target holds a letter";
    EXPECT_EQ(logic.FindPath(0, 0, 0, 0), 2) << "the source holds a letter";
    EXPECT_EQ(logic.FindPath(5, 5, 5, 5), 3) << "same empty cell";
    EXPECT_TRUE(logic.path.empty());
    EXPECT_EQ(CountState(csPath), 0);
}

TEST_F(MovesTest, MoveLetterRefusalsAndTheirSideEffects) {
    SetBoard({"ab........", "..........", "..........", "..........", "..........",
              "..........", "..........", "..........", "..........", "xxxxxxxxx."});
    logic.Cell(9, 8).letter = 'x';
    logic.Cell(8, 8).letter = 'x';
    EXPECT_EQ(logic.MoveLetter(5, 5, 6, 6), 1) << "empty source";
    EXPECT_EQ(logic.MoveLetter(-1, -1, 6, 6), 1) << "source off the board";
    EXPECT_FALSE(logic.HasUndoSnapshot());
    EXPECT_EQ(logic.MoveLetter(0, 0, 1, 0), 0) << "occupied target";
    EXPECT_FALSE(logic.moving);
    EXPECT_TRUE(logic.HasUndoSnapshot()) << "the snapshot is taken before the search";
    EXPECT_EQ(logic.MoveLetter(0, 0, 9, 9), -1) << "walled-in corner";
    EXPECT_FALSE(logic.moving);
    EXPECT_EQ(CountState(csPath), 0);
    EXPECT_EQ(logic.MoveLetter(0, 0, 3, 3), 2);
    EXPECT_TRUE(logic.moving);
    EXPECT_EQ(logic.MoveLetter(1, 0, 4, 4), 1) << "a letter is travelling";
    logic.moving = false;
    logic.Cell(1, 0).state = csExploding;
    EXPECT_EQ(logic.MoveLetter(1, 0, 4, 4), 1) << "a letter is exploding";
}

TEST_F(MovesTest, TheLetterTravelsOneCellPerTickAndArrivesOnTheNthTick) {
    logic.target_words = {"zzz", "yyyyy", "wwwwwww"};
    SetBoard({"a.........", "..........", "..........", "..........", "..........",
              "..........", "..........", "..........", "..........", ".........."});
    ASSERT_EQ(logic.MoveLetter(0, 0, 3, 0), 2);
    EXPECT_EQ(logic.path.size(), 4u);
    EXPECT_EQ(logic.Tick(), 1);
    EXPECT_EQ(Row(0), ".a........");
    EXPECT_EQ(logic.Tick(), 1);
    EXPECT_EQ(logic.Tick(), 1);
    EXPECT_EQ(Row(0), "...a......");
    logic.SelectCell(3, 0);
    const int32_t before = logic.elapsed_ms;
    *now += 1000;
    EXPECT_EQ(logic.Tick(), 0);
    EXPECT_FALSE(logic.moving);
    EXPECT_EQ(logic.selected_column, -1);
    EXPECT_EQ(logic.elapsed_ms, before) << "the arrival tick does not count time";
    EXPECT_EQ(logic.Announcements().size(), 4u) << "a turn without a word brings letters";
}

TEST_F(MovesTest, OnlyTheLetterTravels) {
    logic.target_words = {"zzz", "yyyyy", "wwwwwww"};
    SetBoard(kEmptyRows);
    logic.Cell(0, 0) = cell_t{'a', 0, 0, 0, 0, 5};
    logic.Cell(1, 0).next_letter = 'q';
    ASSERT_EQ(logic.MoveLetter(0, 0, 1, 0), 2);
    logic.Tick();
    EXPECT_EQ(logic.Cell(1, 0).letter, 'a');
    EXPECT_EQ(logic.Cell(1, 0).next_letter, 'q');
    EXPECT_EQ(logic.Cell(0, 0).explosion_sound, 0);
    EXPECT_EQ(logic.Cell(0, 0).frame, 5);
}

} // namespace
} // namespace tilvora::test
