#include "SavedGame.h"

#include "ByteImage.h"
#include "DictionaryFile.h"

#include <algorithm>
#include <span>

namespace tilvora {
namespace {

std::span<const uint8_t> MagicBytes() {
    return {reinterpret_cast<const uint8_t*>(save_magic), kSaveMagicSize};
}

// Reads the target words; false at the first text that does not end in the image or exceeds
// the text limit. Every count of 0 or less reads none.
bool ReadTargetWords(ImageReader& reader, int32_t count, std::vector<std::string>& words) {
    std::string word;
    for (int32_t i = 0; i < count; ++i) {
        if (!reader.Text(word, kMaxFileTextLength)) {
            return false;
        }
        words.push_back(word);
    }
    return true;
}

} // namespace

std::vector<uint8_t> EncodeSavedGame(const saved_game_t& game) {
    ImageWriter writer;
    writer.Int32(0);
    uint8_t name_field[kSaveNameField];
    PutTextField(name_field, sizeof name_field, game.dictionary_name);
    writer.Bytes(name_field);
    writer.Bytes(game.board);
    writer.Int32(game.target_count);
    // Target words have no field to fit: each is written whole, then its zero byte. One over
    // 1023 characters makes a file that the reader refuses, as any other writer's would be.
    for (const std::string& word : game.target_words) {
        writer.Bytes({reinterpret_cast<const uint8_t*>(word.data()), word.size()});
        writer.Image().push_back(0);
    }
    writer.Int32(game.announce_per_turn);
    writer.Int32(game.score);
    writer.Int32(game.level_progress);
    writer.Int32(game.elapsed_ms);
    writer.Bytes(MagicBytes());
    return std::move(writer.Image());
}

saved_game_read_t DecodeSavedGame(const std::vector<uint8_t>& plain) {
    saved_game_read_t read;
    saved_game_t& game = read.game;
    ImageReader reader(plain, kSaveBoardOffset);
    const size_t board_at = reader.Position();
    if (!reader.Skip(kBoardImageSize)) {
        return read;
    }
    std::copy_n(plain.begin() + static_cast<std::ptrdiff_t>(board_at), kBoardImageSize,
                game.board.begin());
    read.last_read = SaveField::board;
    if (!reader.Int32(game.target_count)) {
        return read;
    }
    read.last_read = SaveField::target_count;
    if (!ReadTargetWords(reader, game.target_count, game.target_words)) {
        return read;
    }
    read.last_read = SaveField::target_words;
    int32_t* const counters[] = {&game.announce_per_turn, &game.score, &game.level_progress,
                                 &game.elapsed_ms};
    for (int32_t* counter : counters) {
        if (!reader.Int32(*counter)) {
            return read;
        }
        read.last_read = static_cast<SaveField>(static_cast<int>(read.last_read) + 1);
    }
    if (reader.Matches(MagicBytes())) {
        read.last_read = SaveField::magic;
    }
    return read;
}

} // namespace tilvora
