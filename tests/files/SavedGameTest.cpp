#include "SavedGame.h"
#include "ByteImage.h"

#include <gtest/gtest.h>

#include <cstring>

namespace tilvora {
namespace {

saved_game_t SampleGame() {
    saved_game_t game;
    game.dictionary_name = "Cars";
    for (size_t i = 0; i < kBoardImageSize; ++i) {
        game.board[i] = static_cast<uint8_t>(i * 7);
    }
    game.target_count = 3;
    game.target_words = {"car", "wheel", "chassis"};
    game.announce_per_turn = 4;
    game.score = 75;
    game.level_progress = 15;
    game.elapsed_ms = 123456;
    return game;
}

TEST(SavedGame, LayoutOfThreeWords) {
    const std::vector<uint8_t> image = EncodeSavedGame(SampleGame());
    ASSERT_EQ(image.size(), 1399u); // 1381 + 4 + 6 + 8
    EXPECT_EQ(GetInt32(image.data()), 0);
    EXPECT_STREQ(reinterpret_cast<const char*>(image.data() + kSaveNameOffset), "Cars");
    EXPECT_EQ(image[kSaveBoardOffset + 1], 7);
    EXPECT_EQ(GetInt32(image.data() + kSaveTargetCountOffset), 3);
    EXPECT_STREQ(reinterpret_cast<const char*>(image.data() + 1336 + 4), "wheel");
    EXPECT_EQ(GetInt32(image.data() + 1354), 4);
    EXPECT_EQ(GetInt32(image.data() + 1366), 123456);
    EXPECT_STREQ(reinterpret_cast<const char*>(image.data() + 1370), save_magic);
}

TEST(SavedGame, RoundTripReachesTheMagic) {
    const saved_game_t game = SampleGame();
    const saved_game_read_t read = DecodeSavedGame(EncodeSavedGame(game));
    EXPECT_EQ(read.last_read, SaveField::magic);
    EXPECT_EQ(read.game.board, game.board);
    EXPECT_EQ(read.game.target_words, game.target_words);
    EXPECT_EQ(read.game.elapsed_ms, game.elapsed_ms);
    EXPECT_EQ(read.game.score, game.score);
}

TEST(SavedGame, DictionaryNameKeeps127Bytes) {
    saved_game_t game = SampleGame();
    game.dictionary_name = std::string(300, 'q');
    const std::vector<uint8_t> image = EncodeSavedGame(game);
    EXPECT_EQ(TextOfField(image.data() + kSaveNameOffset, kSaveNameField), std::string(127, 'q'));
    EXPECT_EQ(image.size(), 1399u);
}

// Target words have no field: T counts every byte of every word plus its zero, and a word
// the reader would refuse is still written whole rather than silently shortened.
TEST(SavedGame, TargetWordsAreWrittenWhole) {
    saved_game_t game = SampleGame();
    game.target_words = {std::string(1024, 'w'), std::string("a\0b", 3)};
    const std::vector<uint8_t> image = EncodeSavedGame(game);
    ASSERT_EQ(image.size(), 1381u + 1025 + 4);
    EXPECT_EQ(image[kSaveTargetWordsOffset + 1023], 'w');
    EXPECT_EQ(image[kSaveTargetWordsOffset + 1024], 0);
    EXPECT_STREQ(reinterpret_cast<const char*>(image.data() + 1352 + 1025 + 4), save_magic);
    EXPECT_EQ(DecodeSavedGame(image).last_read, SaveField::target_count);
}

// Cutting the image shows how far each length lets the reader go.
TEST(SavedGame, ReadStopsAtTheFirstFieldThatDoesNotFit) {
    const std::vector<uint8_t> image = EncodeSavedGame(SampleGame());
    const std::pair<size_t, SaveField> cuts[] = {{0, SaveField::none},
                                                 {1331, SaveField::none},
                                                 {1332, SaveField::board},
                                                 {1336, SaveField::target_count},
                                                 {1346, SaveField::target_count},
                                                 {1354, SaveField::target_words},
                                                 {1358, SaveField::announce_per_turn},
                                                 {1369, SaveField::level_progress},
                                                 {1370, SaveField::elapsed_ms},
                                                 {1398, SaveField::elapsed_ms},
                                                 {1399, SaveField::magic}};
    for (const auto& [size, reached] : cuts) {
        const std::vector<uint8_t> cut(image.begin(), image.begin() + static_cast<long>(size));
        const saved_game_read_t read = DecodeSavedGame(cut);
        EXPECT_EQ(read.last_read, reached) << size;
        if (size == 1346) {
            EXPECT_EQ(read.game.target_words, (std::vector<std::string>{"car", "wheel"}));
        }
    }
}

TEST(SavedGame, HostileCountsAndTextsStopTheRead) {
    std::vector<uint8_t> image = EncodeSavedGame(SampleGame());
    image.resize(4096, 0);
    PutInt32(image.data() + kSaveTargetCountOffset, 0x7FFFFFFF);
    EXPECT_EQ(DecodeSavedGame(image).last_read, SaveField::target_count);

    saved_game_t game = SampleGame();
    game.target_words = {std::string(1023, 'w')};
    game.target_count = 1;
    std::vector<uint8_t> longest = EncodeSavedGame(game);
    EXPECT_EQ(DecodeSavedGame(longest).last_read, SaveField::magic);
    longest.insert(longest.begin() + kSaveTargetWordsOffset, 'w');
    EXPECT_EQ(DecodeSavedGame(longest).last_read, SaveField::target_count);

    PutInt32(image.data() + kSaveTargetCountOffset, -1);
    const saved_game_read_t none = DecodeSavedGame(image);
    EXPECT_TRUE(none.game.target_words.empty());
    EXPECT_EQ(none.last_read, SaveField::elapsed_ms); // texts read as numbers, no magic
}

} // namespace
} // namespace tilvora
