// NewGame's dictionary loading and the header check, through real enciphered files.
#include "ByteImage.h"
#include "DataEnvelope.h"
#include "DictionaryFile.h"
#include "QuandelLogic.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace tilvora {
namespace {

using strings_t = std::vector<std::string>;

class DictionaryLoading : public ::testing::Test {
  protected:
    std::string WriteDictionary(const std::string& file, const std::string& name,
                                const strings_t& words) {
        return WriteImage(file, BuildDictionaryImage(name, "", {}, words));
    }
    std::string WriteImage(const std::string& file, const std::vector<uint8_t>& image) {
        return temp.Write(file, EncipherImage(logic.cipher, image));
    }
    int LettersOnBoard() const {
        return static_cast<int>(std::count_if(logic.board.begin(), logic.board.end(),
                                              [](const cell_t& c) { return c.letter != 0; }));
    }

    TempFolder temp;
    QuandelLogic logic{[] { return 0; }, 7u};
    const strings_t animals = {"Cat", "ELEPHANTINE", "dog", "horse", "rabbit", "giraffe"};
};

TEST_F(DictionaryLoading, NewGameLoadsWordsAndStartsAGame) {
    EXPECT_EQ(logic.NewGame(WriteDictionary("a.tvd", "Animals", animals)), 0);
    EXPECT_EQ(logic.words, (strings_t{"cat", "dog", "horse", "rabbit", "giraffe"}));
    EXPECT_EQ(logic.dictionary_name, "Animals");
    EXPECT_EQ(LettersOnBoard(), 4);
}

TEST_F(DictionaryLoading, SameNameIsNotReadAgain) {
    const std::string path = WriteDictionary("a.tvd", "Animals", animals);
    ASSERT_EQ(logic.NewGame(path), 0);
    WriteDictionary("a.tvd", "Animals", {"other", "words", "entirely", "here"});
    EXPECT_EQ(logic.NewGame(path), 0);
    EXPECT_EQ(logic.words.front(), "cat");
}

TEST_F(DictionaryLoading, UnopenableOrHugeFileChangesNothing) {
    ASSERT_EQ(logic.NewGame(WriteDictionary("a.tvd", "Animals", animals)), 0);
    const board_t board = logic.board;
    std::filesystem::create_directory(temp.Path("folder"));
    const std::string huge = WriteDictionary("huge.tvd", "Huge", animals);
    std::filesystem::resize_file(huge, kMaxDictionaryFileSize + 1);
    for (const std::string& path : {temp.Path("missing"), temp.Path("folder"), huge}) {
        EXPECT_EQ(logic.NewGame(path), -1) << path;
        EXPECT_EQ(logic.words.size(), 5u);
        EXPECT_EQ(logic.dictionary_name, "Animals");
        EXPECT_EQ(logic.board, board);
    }
}

TEST_F(DictionaryLoading, MissingFileWithoutDictionaryStartsAnEmptyGame) {
    EXPECT_EQ(logic.NewGame(temp.Path("missing")), 0);
    EXPECT_TRUE(logic.words.empty());
    EXPECT_EQ(LettersOnBoard(), 0);
}

TEST_F(DictionaryLoading, EmptyWordListStillStartsAGame) {
    EXPECT_EQ(logic.NewGame(WriteDictionary("e.tvd", "Empty", {})), 0);
    EXPECT_TRUE(logic.words.empty());
    EXPECT_EQ(logic.dictionary_name, "Empty");
}

TEST_F(DictionaryLoading, BadTrailingMagicPassesTheCheckButFailsTheGame) {
    ASSERT_EQ(logic.NewGame(WriteDictionary("a.tvd", "Animals", animals)), 0);
    std::vector<uint8_t> image = BuildDictionaryImage("Broken", "", {}, {"owl", "BAT"});
    image.insert(image.end() - static_cast<long>(kDictionaryMagicSize), 0);
    PutUint32(image.data(), static_cast<uint32_t>(image.size() - kDictionaryMagicSize));
    const std::string path = WriteImage("b.tvd", image);
    EXPECT_EQ(logic.CheckDictionaryHeader(path), 0);
    EXPECT_EQ(logic.NewGame(path), -1);
    EXPECT_EQ(logic.words, (strings_t{"owl", "bat"}));
    EXPECT_EQ(logic.dictionary_name, "Animals");
}

TEST_F(DictionaryLoading, HeaderCheckRefusesBadMagicOffsets) {
    for (const uint32_t offset : {0u, 5000u, 4u}) {
        std::vector<uint8_t> image = BuildDictionaryImage("Bad", "", {}, {"cat"});
        PutUint32(image.data(), offset);
        const std::string path = WriteImage("bad.tvd", image);
        EXPECT_EQ(logic.CheckDictionaryHeader(path), -1) << offset;
        EXPECT_EQ(logic.NewGame(path), -1) << offset;
    }
    EXPECT_EQ(logic.CheckDictionaryHeader(temp.Path("missing")), -1);
}

TEST_F(DictionaryLoading, FilesOf16BytesOrLessThrowAfterEmptyingWords) {
    ASSERT_EQ(logic.NewGame(WriteDictionary("a.tvd", "Animals", animals)), 0);
    for (const size_t size : {size_t{0}, size_t{1}, size_t{16}}) {
        const std::string path = temp.Write("tiny.tvd", std::vector<uint8_t>(size, 0x55));
        try {
            logic.NewGame(path);
            ADD_FAILURE() << "no error for " << size << " bytes";
        } catch (const CipherError& error) {
            EXPECT_STREQ(error.what(), "Data not multiple of Block Size");
        }
        EXPECT_TRUE(logic.words.empty());
        EXPECT_THROW(logic.CheckDictionaryHeader(path), CipherError);
    }
}

} // namespace
} // namespace tilvora
