// The Top-10 operations of the game core, through the real scores file.
#include "DataEnvelope.h"
#include "QuandelLogic.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace tilvora {
namespace {

class ScoreOperations : public ::testing::Test {
  protected:
    std::string Names() const {
        std::string names;
        for (const score_t& s : logic.scores) {
            names += NameOf(s) + ",";
        }
        return names;
    }
    // The names of the table as the file holds it.
    std::string NamesInFile() {
        QuandelLogic reader{[] { return 0; }, 1u};
        EXPECT_EQ(reader.LoadScores(path), 0);
        std::swap(reader.scores, logic.scores);
        const std::string names = Names();
        std::swap(reader.scores, logic.scores);
        return names;
    }
    void AddResult(const std::string& name, int32_t points) {
        logic.score = points;
        ASSERT_EQ(logic.AddScore(path, name), 0);
    }

    TempFolder temp;
    std::string path = temp.Path("scores.bin");
    QuandelLogic logic{[] { return 0; }, 1u};
};

TEST_F(ScoreOperations, MissingFileGivesTheDefaultTable) {
    EXPECT_EQ(logic.LoadScores(path), -1);
    ASSERT_EQ(logic.scores.size(), 10u);
    for (const score_t& s : logic.scores) {
        EXPECT_EQ(NameOf(s), "anonymous");
        EXPECT_EQ(DictionaryOf(s), "Cars");
        EXPECT_EQ(s.score, 10);
        EXPECT_EQ(logic.FormatTime(s.time), "00:02:00");
    }
    EXPECT_EQ(temp.Read("scores.bin").size(), 2048u);
    EXPECT_EQ(logic.LoadScores(path), 0);
    EXPECT_EQ(logic.scores.size(), 10u);
}

TEST_F(ScoreOperations, DamagedOrShortFileIsReplaced) {
    for (const std::vector<uint8_t>& content :
         {std::vector<uint8_t>(2048, 0x5A), std::vector<uint8_t>(100, 0x5A)}) {
        temp.Write("scores.bin", content);
        EXPECT_EQ(logic.LoadScores(path), -1);
        EXPECT_EQ(logic.scores.size(), 10u);
        EXPECT_EQ(temp.Read("scores.bin").size(), 2048u);
    }
}

TEST_F(ScoreOperations, HighScoreNeedsMoreThanTheLowest) {
    EXPECT_FALSE(logic.IsHighScore()); // empty table
    logic.LoadScores(path);
    logic.score = 10;
    EXPECT_FALSE(logic.IsHighScore());
    logic.score = 11;
    EXPECT_TRUE(logic.IsHighScore());
}

TEST_F(ScoreOperations, AddScoreRanksStablyAndKeepsTen) {
    logic.LoadScores(path);
    logic.dictionary_name = "Animals";
    logic.elapsed_ms = 3725999;
    AddResult("first", 15);
    EXPECT_EQ(NameOf(logic.scores.front()), "first");
    EXPECT_EQ(DictionaryOf(logic.scores.front()), "Animals");
    EXPECT_EQ(logic.scores.front().time, 3725);
    EXPECT_EQ(logic.scores.size(), 11u);
    AddResult("tie1", 15);
    AddResult("tie2", 15);
    AddResult("ten", 10);
    EXPECT_EQ(NameOf(logic.scores.back()), "ten");
    std::string expected = "first,tie1,tie2,";
    for (int i = 0; i < 7; ++i) {
        expected += "anonymous,";
    }
    EXPECT_EQ(NamesInFile(), expected);
}

TEST_F(ScoreOperations, UnwritableFileKeepsTheEntryInMemory) {
    logic.LoadScores(path);
    logic.score = 50;
    EXPECT_EQ(logic.AddScore(temp.Path("no/such/folder/scores.bin"), "lost"), -1);
    EXPECT_EQ(NameOf(logic.scores.front()), "lost");
    std::filesystem::create_directory(temp.Path("folder"));
    logic.scores.clear();
    EXPECT_EQ(logic.LoadScores(temp.Path("folder")), -1);
    EXPECT_EQ(logic.scores.size(), 10u);
    EXPECT_TRUE(std::filesystem::is_directory(temp.Path("folder")));
}

TEST_F(ScoreOperations, FormatTimeOfNegativeSecondsShowsThePlayTime) {
    logic.elapsed_ms = 90061500;
    EXPECT_EQ(logic.FormatTime(-1), "1:01:01:01");
    EXPECT_EQ(logic.FormatTime(59), "00:00:59");
}

} // namespace
} // namespace tilvora
