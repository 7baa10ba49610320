#include "ScoreTable.h"
#include "ByteImage.h"

#include <gtest/gtest.h>

#include <cstring>

namespace tilvora {
namespace {

TEST(ScoreTable, FormatTime) {
    const std::pair<int32_t, const char*> cases[] = {{0, "00:00:00"},
                                                     {59, "00:00:59"},
                                                     {120, "00:02:00"},
                                                     {3725, "01:02:05"},
                                                     {86400, "1:00:00:00"},
                                                     {90061, "1:01:01:01"},
                                                     {2147483647, "24855:03:14:07"},
                                                     {-5, "00:00:0-5"},
                                                     {-3725, "0-1:0-2:0-5"},
                                                     {INT32_MIN, "0-3:0-14:0-8"}};
    for (const auto& [seconds, text] : cases) {
        EXPECT_EQ(FormatTime(seconds), text) << seconds;
    }
}

TEST(ScoreTable, EntryLayoutIsLittleEndianAndTextsAreCut) {
    const score_t entry = MakeScore(std::string(40, 'n'), "Cars", 0x01020304, -2);
    EXPECT_EQ(NameOf(entry), std::string(31, 'n'));
    uint8_t bytes[kScoreEntrySize];
    EncodeScore(entry, bytes);
    EXPECT_EQ(bytes[31], 0);
    EXPECT_STREQ(reinterpret_cast<const char*>(bytes + 32), "Cars");
    EXPECT_EQ(bytes[160], 0x04);
    EXPECT_EQ(bytes[163], 0x01);
    EXPECT_EQ(GetInt32(bytes + 164), -2);
}

TEST(ScoreTable, UnterminatedTextsStopAtTheirFieldsAndKeepTheirBytes) {
    uint8_t bytes[kScoreEntrySize];
    std::memset(bytes, 'z', sizeof bytes);
    const score_t entry = DecodeScore(bytes);
    EXPECT_EQ(NameOf(entry), std::string(32, 'z'));
    EXPECT_EQ(DictionaryOf(entry), std::string(128, 'z'));
    uint8_t written[kScoreEntrySize];
    EncodeScore(entry, written);
    EXPECT_EQ(std::memcmp(bytes, written, sizeof bytes), 0) << "a table read and written again";
}

TEST(ScoreTable, ImageRoundTripsTenEntries) {
    std::list<score_t> table;
    for (int32_t i = 0; i < 12; ++i) {
        table.push_back(MakeScore("p" + std::to_string(i), "Cars", 100 - i, i));
    }
    const std::vector<uint8_t> image = EncodeScoresImage(table);
    ASSERT_EQ(image.size(), kScoresImageSize);
    std::list<score_t> read;
    ASSERT_TRUE(DecodeScoresImage(image, read));
    ASSERT_EQ(read.size(), 10u);
    EXPECT_EQ(NameOf(read.back()), "p9");
    EXPECT_EQ(read.back().time, 9);
}

TEST(ScoreTable, ShortTableMovesTheMagicAndIsRefused) {
    const std::list<score_t> three(3, DefaultScore());
    const std::vector<uint8_t> image = EncodeScoresImage(three);
    EXPECT_STREQ(reinterpret_cast<const char*>(image.data() + 3 * kScoreEntrySize), scores_magic);
    std::list<score_t> read;
    EXPECT_FALSE(DecodeScoresImage(image, read));
    EXPECT_FALSE(DecodeScoresImage(std::vector<uint8_t>(1000, 0), read));
    EXPECT_TRUE(read.empty());
}

TEST(ScoreTable, SortIsStableHigherFirst) {
    std::list<score_t> table = {MakeScore("a", "", 10, 0), MakeScore("b", "", 20, 0),
                                MakeScore("c", "", 10, 0), MakeScore("d", "", 20, 0)};
    SortScores(table);
    std::string order;
    for (const score_t& s : table) {
        order += NameOf(s);
    }
    EXPECT_EQ(order, "bdac");
}

} // namespace
} // namespace tilvora
