// SaveGame and LoadGame of the game core, through real enciphered files.
#include "ByteImage.h"
#include "DataEnvelope.h"
#include "QuandelLogic.h"
#include "SavedGame.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace tilvora {
namespace {

class SavedGameOperations : public ::testing::Test {
  protected:
    void SetUp() override {
        logic.dictionary_name = "Cars";
        logic.target_words = {"car", "wheel", "chassis"};
        logic.Cell(2, 3) = cell_t{'w', 'h', 0, 0, csExploding, 9};
        logic.Cell(9, 9).letter = 'c';
        logic.score = 75;
        logic.level_progress = 15;
        logic.elapsed_ms = 123456;
        logic.announce_per_turn = 5;
    }
    std::vector<uint8_t> PlainOfSave() {
        EXPECT_EQ(logic.SaveGame(path), 0);
        return DecipherImage(logic.cipher, temp.Read("game.tvsav"));
    }
    // Writes a plain image enciphered as it is, without padding; its size must be a whole
    // number of blocks.
    void WritePlain(const std::vector<uint8_t>& plain) {
        std::vector<uint8_t> bytes(plain.size());
        logic.cipher.Encipher(plain.data(), bytes.data(), plain.size(), cmFeedback);
        temp.Write("game.tvsav", bytes);
    }

    TempFolder temp;
    std::string path = temp.Path("game.tvsav");
    QuandelLogic logic{[] { return 0; }, 3u};
};

TEST_F(SavedGameOperations, FileIsTheEnvelopeOfTheSaveImage) {
    const std::vector<uint8_t> plain = PlainOfSave();
    ASSERT_EQ(plain.size(), 2048u);
    EXPECT_EQ(TextOfField(plain.data() + 4, 128), "Cars");
    const uint8_t* cell = plain.data() + 132 + (2 * 10 + 3) * 12;
    EXPECT_EQ(cell[0], 'w');
    EXPECT_EQ(GetInt32(cell + 4), csExploding);
    EXPECT_EQ(GetInt32(cell + 8), 9);
    EXPECT_EQ(GetInt32(plain.data() + 1354), 5);
    EXPECT_STREQ(reinterpret_cast<const char*>(plain.data() + 1370), save_magic);
    EXPECT_TRUE(std::all_of(plain.begin() + 1399, plain.end(), [](uint8_t b) { return b == 0; }));
    const std::vector<uint8_t> first = temp.Read("game.tvsav");
    EXPECT_EQ(logic.SaveGame(path), 0);
    EXPECT_EQ(temp.Read("game.tvsav"), first);
}

TEST_F(SavedGameOperations, LoadRestoresTheSavedFields) {
    ASSERT_EQ(logic.SaveGame(path), 0);
    const board_t saved_board = logic.board;
    logic.ResetGame();
    logic.target_words = {"x"};
    logic.level_goal = 60;
    logic.undo_score = 44;
    logic.SelectCell(9, 9);
    EXPECT_EQ(logic.LoadGame(path), "ok");
    EXPECT_EQ(logic.board, saved_board);
    EXPECT_EQ(logic.target_words, (std::vector<std::string>{"car", "wheel", "chassis"}));
    EXPECT_EQ(logic.score, 75);
    EXPECT_EQ(logic.level_progress, 15);
    EXPECT_EQ(logic.elapsed_ms, 123456);
    EXPECT_EQ(logic.announce_per_turn, 5);
    EXPECT_EQ(logic.undo_score, 44);
    EXPECT_FALSE(logic.IsSelected(9, 9));
}

TEST_F(SavedGameOperations, OtherDictionaryIsNamedAndNothingChanges) {
    ASSERT_EQ(logic.SaveGame(path), 0);
    logic.dictionary_name = "Animals";
    logic.score = 3;
    EXPECT_EQ(logic.LoadGame(path), "Cars");
    EXPECT_EQ(logic.score, 3);
    EXPECT_EQ(logic.LoadGame(temp.Path("missing")), "");
    logic.dictionary_name.clear();
    EXPECT_EQ(logic.LoadGame(temp.Path("missing")), "error");
    std::filesystem::create_directory(temp.Path("folder"));
    EXPECT_EQ(logic.LoadGame(temp.Path("folder")), "error");
    EXPECT_EQ(logic.score, 3);
}

TEST_F(SavedGameOperations, DamagedMagicResetsTheGame) {
    std::vector<uint8_t> plain = PlainOfSave();
    plain[1375] ^= 0x20;
    WritePlain(plain);
    logic.score = 1;
    EXPECT_EQ(logic.LoadGame(path), "error");
    EXPECT_TRUE(logic.IsBoardEmpty());
    EXPECT_EQ(logic.score, 0);
}

// A read that stops early keeps what fitted before the stop, then the game is reset.
TEST_F(SavedGameOperations, TruncatedOrHostileFilesKeepEarlierFieldsThenReset) {
    const std::vector<uint8_t> plain = PlainOfSave();
    logic.ResetGame();
    logic.Cell(2, 3) = cell_t{};
    logic.target_words = {"old"};

    WritePlain({plain.begin(), plain.begin() + 1344}); // board, count, "car", part of "wheel"
    EXPECT_EQ(logic.LoadGame(path), "error");
    EXPECT_EQ(logic.target_words, (std::vector<std::string>{"car"}));
    EXPECT_EQ(logic.Cell(2, 3).frame, 9); // frames and sound marks survive ResetGame
    EXPECT_EQ(logic.Cell(2, 3).explosion_sound, 0);
    EXPECT_TRUE(logic.IsBoardEmpty());

    std::vector<uint8_t> huge_count = plain;
    PutInt32(huge_count.data() + kSaveTargetCountOffset, 1 << 30);
    WritePlain(huge_count);
    EXPECT_EQ(logic.LoadGame(path), "error");
    EXPECT_EQ(logic.target_count, 3);

    WritePlain({plain.begin(), plain.begin() + 1024}); // the board does not fit
    logic.target_words = {"old"};
    EXPECT_EQ(logic.LoadGame(path), "error");
    EXPECT_EQ(logic.target_words, (std::vector<std::string>{"old"}));
}

// Also an empty file, once its header name (512 deciphered zero bytes) matches: 0 bytes are
// deciphered, which is not a whole number of blocks either.
TEST_F(SavedGameOperations, LengthNotAWholeNumberOfBlocksThrowsBeforeAnyChange) {
    ASSERT_EQ(logic.SaveGame(path), 0);
    const std::vector<uint8_t> saved = temp.Read("game.tvsav");
    for (const size_t size : {size_t{2040}, size_t{0}}) {
        temp.Write("game.tvsav", {saved.begin(), saved.begin() + static_cast<long>(size)});
        logic.dictionary_name = ReadHeaderName(logic.cipher, path);
        logic.score = 999;
        try {
            logic.LoadGame(path);
            ADD_FAILURE() << size << " bytes loaded";
        } catch (const CipherError& error) {
            EXPECT_STREQ(error.what(), "Data not multiple of Block Size") << size;
        }
        EXPECT_EQ(logic.score, 999);
        EXPECT_EQ(logic.target_words.size(), 3u);
    }
}

TEST_F(SavedGameOperations, UnwritablePathFailsAndLeavesNoFile) {
    std::filesystem::create_directory(temp.Path("folder"));
    EXPECT_EQ(logic.SaveGame(temp.Path("folder")), -1);
    EXPECT_EQ(logic.SaveGame(temp.Path("missing/game.tvsav")), -1);
    EXPECT_EQ(temp.EntryCount(), 1u);
}

} // namespace
} // namespace tilvora
