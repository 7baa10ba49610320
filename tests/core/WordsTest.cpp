#include "CoreFixture.h"

#include <random>
#include <set>

namespace tilvora::test {
namespace {

using WordsTest = CoreFixture;

struct word_case_t {
    const char* name;
    std::vector<std::string> top_rows;
    std::vector<std::string> targets;
    int32_t cells;
    int32_t occurrences;
};

TEST_F(WordsTest, FindsEveryDirectionAndScoresCellsTimesWords) {
    const std::vector<word_case_t> cases = {
        {"row, left to right", {"..cart...."}, {"cart"}, 4, 1},
        {"row, right to left", {"..trac...."}, {"cart"}, 4, 1},
        {"column, downwards", {"c.........", "a.........", "r.........", "t........."}, {"cart"},
         4, 1},
        {"column, upwards", {".t........", ".r........", ".a........", ".c........"}, {"cart"},
         4, 1},
        {"falling right", {"c.........", ".a........", "..r.......", "...t......"}, {"cart"}, 4,
         1},
        {"falling right, read upwards", {"t.........", ".r........", "..a.......", "...c......"},
         {"cart"}, 4, 1},
        {"falling left", {".........c", "........a.", ".......r..", "......t..."}, {"cart"}, 4,
         1},
        {"falling left, read upwards", {"...t......", "..r.......", ".a........", "c........."},
         {"cart"}, 4, 1},
        {"separated by an empty cell", {"ca.rt....."}, {"cart"}, 0, 0},
        {"two words crossing in one cell",
         {"...h......", "...o......", "...r......", "...s......", "..bell...."},
         {"horse", "bell"}, 8, 2},
        {"a word inside another", {"cartoon..."}, {"cart", "cartoon"}, 7, 2},
        {"palindrome occurring twice, overlapping", {"anana....."}, {"ana"}, 5, 2},
        {"palindrome formed once counts once", {"level....."}, {"level"}, 5, 1},
        {"repeated occurrences in one line", {"catcat...."}, {"cat"}, 6, 2},
        {"empty target word is skipped", {"cat......."}, {"", "cat"}, 3, 1},
    };
    for (const word_case_t& test : cases) {
        SCOPED_TRACE(test.name);
        SetBoard(Rows10(test.top_rows));
        logic.score = 100;
        logic.level_progress = 0;
        logic.dead_words.clear();
        logic.target_words = test.targets;
        EXPECT_EQ(logic.FindWords(), test.cells);
        EXPECT_EQ(CountState(csExploding), test.cells);
        EXPECT_EQ(logic.score, 100 + test.cells * test.occurrences);
        EXPECT_EQ(logic.level_progress, test.cells * test.occurrences);
        EXPECT_EQ(logic.dead_words.size(), static_cast<size_t>(test.occurrences));
    }
}

TEST_F(WordsTest, DeadWordsHoldTheTargetTextForReversedOccurrences) {
    SetBoard(Rows10({"tac......."}));
    logic.target_words = {"cat"};
    logic.FindWords();
    ASSERT_EQ(logic.dead_words.size(), 1u);
    EXPECT_EQ(logic.dead_words[0].word, "cat");
    EXPECT_EQ(logic.dead_words[0].frame, 0);
}

TEST_F(WordsTest, ExplosionsStaggerOverTheFirstFourteenCellsInColumnOrder) {
    // 16 cells: two 8-letter words in rows 0 and 1.
    SetBoard(Rows10({"abcdefgh..", "abcdefgh.."}));
    logic.target_words = {"abcdefgh"};
    logic.level_goal = 1000;
    EXPECT_EQ(logic.FindWords(), 16);
    int32_t n = 0;
    for (int32_t c = 0; c < 8; ++c) {
        for (int32_t r = 0; r < 2; ++r, ++n) {
            EXPECT_EQ(logic.Cell(c, r).frame, n < 14 ? -n : 0) << c << "," << r;
        }
    }
    EXPECT_EQ(logic.score, 32);
}

TEST_F(WordsTest, ReachingTheGoalChangesLevelAndLosesTheSurplus) {
    logic.words = {"cat", "horse", "giraffe", "dog", "sheep", "buffalo"};
    SetBoard(Rows10({"giraffe...", "..........", ".......x.."}));
    logic.Cell(7, 2).next_letter = 'q';
    logic.Cell(1, 5).next_letter = 'q';
    logic.target_words = {"giraffe"};
    logic.level_progress = 55;
    logic.score = 55;
    logic.TakeSnapshot();
    logic.SelectCell(7, 2);
    EXPECT_EQ(logic.FindWords(), 7);
    EXPECT_EQ(logic.score, 62);
    EXPECT_EQ(logic.level_progress, 0);
    EXPECT_TRUE(logic.level_up);
    EXPECT_FALSE(logic.HasUndoSnapshot());
    EXPECT_EQ(logic.selected_column, -1);
    EXPECT_EQ(logic.target_words.size(), 3u);
    EXPECT_EQ(logic.Announcements(), "");
    EXPECT_EQ(CountState(csExploding), 8) << "every letter explodes";
    for (const cell_t& cell : logic.board) {
        EXPECT_EQ(cell.frame, 0);
        if (cell.letter != 0) {
            EXPECT_EQ(cell.explosion_sound, 0) << "the level change explodes silently";
        }
    }
}

// The search as a plain text search from f after every appended letter, over every line.
std::vector<std::pair<std::string, std::vector<index_t>>> LiteralSearch(const QuandelLogic& logic) {
    std::vector<std::vector<index_t>> lines;
    auto walk = [&](int32_t c, int32_t r, int32_t dc, int32_t dr) {
        std::vector<index_t> line;
        for (; OnBoard(c, r); c += dc, r += dr) {
            line.push_back({c, r});
        }
        lines.push_back(line);
    };
    for (int32_t r = 0; r < 10; ++r) walk(0, r, 1, 0);
    for (int32_t c = 0; c < 10; ++c) walk(c, 0, 0, 1);
    for (int32_t c = 0; c < 10; ++c) walk(c, 0, -1, 1);
    for (int32_t r = 1; r < 10; ++r) walk(9, r, -1, 1);
    for (int32_t c = 9; c >= 0; --c) walk(c, 0, 1, 1);
    for (int32_t r = 1; r < 10; ++r) walk(0, r, 1, 1);
    std::vector<std::pair<std::string, std::vector<index_t>>> finds;
    for (const std::string& word : logic.target_words) {
        if (word.empty()) continue;
        const std::string reversed(word.rbegin(), word.rend());
        for (const auto& line : lines) {
            std::string text;
            size_t f = 0;
            for (const index_t& cell : line) {
                text.push_back(static_cast<char>(logic.Cell(cell.column, cell.row).letter));
                for (const std::string* needle : {&word, &reversed}) {
                    const size_t p = text.find(*needle, f);
                    if (p != std::string::npos) {
                        finds.push_back({word, {line.begin() + p, line.begin() + p + needle->size()}});
                        f = p + 1;
                    }
                }
            }
        }
    }
    return finds;
}

TEST_F(WordsTest, AgreesWithAPlainTextSearchOnRandomBoards) {
    std::mt19937 random(2024);
    for (int round = 0; round < 300; ++round) {
        for (cell_t& cell : logic.board) {
            cell = cell_t{};
            cell.letter = random() % 4 == 0 ? 0 : static_cast<uint8_t>("ab"[random() % 2]);
        }
        const std::vector<std::string> pool = {"ab", "aba", "aa", "bab", "abba", "aaa", "b"};
        logic.target_words = {pool[random() % pool.size()], pool[random() % pool.size()]};
        logic.level_goal = INT32_MAX;
        logic.dead_words.clear();
        const auto expected = LiteralSearch(logic);
        std::set<int32_t> cells;
        for (const auto& find : expected) {
            for (const index_t& cell : find.second) cells.insert(CellIndex(cell.column, cell.row));
        }
        logic.score = 0;
        ASSERT_EQ(logic.FindWords(), static_cast<int32_t>(cells.size()));
        ASSERT_EQ(logic.dead_words.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            ASSERT_EQ(logic.dead_words[i].word, expected[i].first);
        }
        EXPECT_EQ(logic.score, static_cast<int32_t>(cells.size() * expected.size()));
        for (int32_t i = 0; i < kCellCount; ++i) {
            EXPECT_EQ(logic.board[i].state == csExploding, cells.count(i) == 1);
        }
    }
}

} // namespace
} // namespace tilvora::test
