// Saving and loading a game. Loading applies the file's fields in their order, each whole or
// not at all; a file that stops early or lacks its magic text resets the game.
#include "QuandelLogic.h"

#include "AtomicFile.h"
#include "ByteImage.h"
#include "DataEnvelope.h"
#include "SavedGame.h"

#include <tuple>

namespace tilvora {
namespace {

constexpr size_t kCellImageSize = 12;
static_assert(kCellImageSize * kCellCount == kBoardImageSize);

board_image_t EncodeBoard(const board_t& board) {
    board_image_t image{};
    uint8_t* at = image.data();
    for (const cell_t& cell : board) {
        at[0] = cell.letter;
        at[1] = cell.next_letter;
        at[2] = cell.explosion_sound;
        at[3] = cell.reserved;
        PutInt32(at + 4, cell.state);
        PutInt32(at + 8, cell.frame);
        at += kCellImageSize;
    }
    return image;
}

void DecodeBoard(const board_image_t& image, board_t& board) {
    const uint8_t* at = image.data();
    for (cell_t& cell : board) {
        cell.letter = at[0];
        cell.next_letter = at[1];
        cell.explosion_sound = at[2];
        cell.reserved = at[3];
        cell.state = GetInt32(at + 4);
        cell.frame = GetInt32(at + 8);
        at += kCellImageSize;
    }
}

// Sets the fields the read reached, in the file's order.
void ApplySavedFields(const saved_game_read_t& read, QuandelLogic& logic) {
    const saved_game_t& game = read.game;
    if (read.Reached(SaveField::board)) {
        DecodeBoard(game.board, logic.board);
    }
    if (read.Reached(SaveField::target_count)) {
        logic.target_count = game.target_count;
        logic.target_words = game.target_words;
    }
    const std::tuple<SaveField, int32_t*, int32_t> counters[] = {
        {SaveField::announce_per_turn, &logic.announce_per_turn, game.announce_per_turn},
        {SaveField::score, &logic.score, game.score},
        {SaveField::level_progress, &logic.level_progress, game.level_progress},
        {SaveField::elapsed_ms, &logic.elapsed_ms, game.elapsed_ms},
    };
    for (const auto& [field, member, value] : counters) {
        if (read.Reached(field)) {
            *member = value;
        }
    }
}

} // namespace

int32_t QuandelLogic::SaveGame(const std::string& path) {
    const saved_game_t game{dictionary_name, EncodeBoard(board), target_count,
                            target_words,    announce_per_turn,  score,
                            level_progress,  elapsed_ms};
    return WriteFileAtomically(path, EncipherImage(cipher, EncodeSavedGame(game))) ? 0 : -1;
}

// A file whose size is not a whole number of cipher blocks throws from DecipherImage before
// anything has changed.
std::string QuandelLogic::LoadGame(const std::string& path) {
    const std::string name = ReadHeaderName(path);
    if (name != dictionary_name) {
        return name;
    }
    const file_bytes_t file = ReadWholeFile(path, kMaxSavedGameFileSize, BufferRule::file_size);
    if (file.status != ReadStatus::ok) {
        return "error";
    }
    const saved_game_read_t read = DecodeSavedGame(DecipherImage(cipher, file.bytes));
    ApplySavedFields(read, *this);
    SelectCell(-1, -1);
    if (!read.Reached(SaveField::magic)) {
        ResetGame();
        return "error";
    }
    return "ok";
}

} // namespace tilvora
