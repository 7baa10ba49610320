#include "CoreFixture.h"

#include <map>

namespace tilvora::test {
namespace {

using SupplyTest = CoreFixture;

TEST_F(SupplyTest, ChooseTargetWordsDrawsOneWordPerLengthClass) {
    logic.words = {"ox", "cat", "horse", "dromedary", "giraffe", "mule", "bison", "antelope"};
    for (int round = 0; round < 50; ++round) {
        ASSERT_EQ(logic.ChooseTargetWords(), 0);
        ASSERT_EQ(logic.target_words.size(), 3u);
        EXPECT_GE(logic.target_words[0].size(), 3u);
        EXPECT_LE(logic.target_words[0].size(), 4u);
        EXPECT_GE(logic.target_words[1].size(), 5u);
        EXPECT_LE(logic.target_words[1].size(), 6u);
        EXPECT_GE(logic.target_words[2].size(), 7u);
        EXPECT_LE(logic.target_words[2].size(), 8u);
    }
}

TEST_F(SupplyTest, ChooseTargetWordsRefusesWithoutDrawing) {
    const std::vector<std::vector<std::string>> lists = {
        {"cat", "horse", "giraffe"},                // fewer than four words
        {"cat", "dog", "horse", "sheep", "bison"}, // no word of 7 or 8 letters
        {"horse", "giraffe", "sheep", "antelope"}, // no word of 3 or 4 letters
        {"cat", "giraffe", "dog", "antelope"},     // no word of 5 or 6 letters
    };
    for (const auto& list : lists) {
        logic.words = list;
        logic.target_words = {"old"};
        const uint32_t state = logic.Random().State();
        EXPECT_EQ(logic.ChooseTargetWords(), -1);
        EXPECT_TRUE(logic.target_words.empty());
        EXPECT_EQ(logic.Random().State(), state);
    }
}

TEST_F(SupplyTest, PickTargetWordFavoursTheShortWordsFourToOne) {
    logic.target_words = {"cat", "horse", "giraffe"};
    std::map<std::string, int> picks;
    const int draws = 90000;
    for (int i = 0; i < draws; ++i) {
        ++picks[logic.PickTargetWord()];
    }
    EXPECT_NEAR(picks["cat"] / double(draws), 4.0 / 9, 0.01);
    EXPECT_NEAR(picks["horse"] / double(draws), 4.0 / 9, 0.01);
    EXPECT_NEAR(picks["giraffe"] / double(draws), 1.0 / 9, 0.01);
}

TEST_F(SupplyTest, LettersAppearWhereAnnouncedAndFourNewAreAnnounced) {
    logic.target_words = {"cat", "horse", "giraffe"};
    SetBoard(kEmptyRows);
    logic.Cell(2, 2).next_letter = 'c';
    logic.Cell(7, 1).next_letter = 'h';
    ASSERT_EQ(logic.SupplyStep(), 0);
    EXPECT_EQ(logic.Cell(2, 2).letter, 'c');
    EXPECT_EQ(logic.Cell(7, 1).letter, 'h');
    EXPECT_EQ(CountLetters(), 2);
    const std::string announced = logic.Announcements();
    EXPECT_EQ(announced.size(), 4u);
    for (char ch : announced) {
        EXPECT_NE(std::string("cathorsegiraffe").find(ch), std::string::npos);
    }
}

TEST_F(SupplyTest, ALetterMovedOntoAnAnnouncementSendsARandomLetterElsewhere) {
    logic.target_words = {"cat", "horse", "giraffe"};
    SetBoard(Rows10({"q........."}));
    logic.Cell(0, 0).next_letter = 'z';
    ASSERT_EQ(logic.SupplyStep(), 0);
    EXPECT_EQ(logic.Cell(0, 0).letter, 'q');
    EXPECT_EQ(CountLetters(), 2) << "one random letter of a target word appeared";
    EXPECT_EQ(logic.Announcements().find('z'), std::string::npos);
}

TEST_F(SupplyTest, AFullBoardLosesAnnouncementsAndAnnouncesOnOccupiedCells) {
    logic.target_words = {"cat", "horse", "giraffe"};
    for (cell_t& cell : logic.board) {
        cell.letter = 'x';
    }
    logic.Cell(4, 4).next_letter = 'c';
    ASSERT_EQ(logic.SupplyStep(), 0);
    EXPECT_EQ(logic.Cell(4, 4).letter, 'x');
    EXPECT_EQ(logic.Announcements().size(), 4u);
}

TEST_F(SupplyTest, StatesNoPlayCanReachDoNotHang) {
    logic.target_words = {"cat", "horse", "giraffe"};
    // More announcements per step than cells: once every cell is announced the rest are
    // skipped (a loaded game can hold any count).
    logic.announce_per_turn = INT32_MAX;
    ASSERT_EQ(logic.SupplyStep(), 0);
    EXPECT_EQ(logic.Announcements().size(), 100u);

    // Empty target words place nothing and draw no position.
    logic.target_words = {"", ""};
    logic.announce_per_turn = 4;
    SetBoard(kEmptyRows);
    ASSERT_EQ(logic.SupplyStep(), 0);
    EXPECT_EQ(logic.Announcements(), "");
}

TEST_F(SupplyTest, EmptyTargetListSuppliesNothing) {
    EXPECT_EQ(logic.SupplyStep(), -1);
    EXPECT_TRUE(logic.IsBoardEmpty());
}

TEST_F(SupplyTest, AnnouncementsReadInColumnMajorOrder) {
    logic.Cell(5, 0).next_letter = 'b';
    logic.Cell(0, 9).next_letter = 'a';
    logic.Cell(5, 1).next_letter = 'c';
    EXPECT_EQ(logic.Announcements(), "abc");
}

TEST_F(SupplyTest, LettersOfTheLongestWordAppearLessOften) {
    logic.target_words = {"ab", "cd", "efghijk"};
    std::map<char, int> seen;
    for (int round = 0; round < 3000; ++round) {
        SetBoard(kEmptyRows);
        logic.SupplyStep();
        for (char ch : logic.Announcements()) {
            ++seen[ch];
        }
    }
    const double short_letter = (seen['a'] + seen['b'] + seen['c'] + seen['d']) / 4.0;
    const double long_letter = (seen['e'] + seen['f'] + seen['g'] + seen['h'] + seen['i'] +
                                seen['j'] + seen['k']) / 7.0;
    // Per letter: 4/9 * 1/2 against 1/9 * 1/7.
    EXPECT_NEAR(long_letter / short_letter, (1.0 / 63) / (2.0 / 9), 0.02);
}

} // namespace
} // namespace tilvora::test
