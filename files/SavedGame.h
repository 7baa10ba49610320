// Saved games: the plain image and its reader.
//
// Plain image (integers 32-bit signed little-endian, texts zero-terminated 8-bit):
//   0     reserved, 0
//   4     dictionary name, 128-byte field (at most 127 characters)
//   132   board image, 100 cells of 12 bytes, column-major
//   1332  target count
//   1336  target words, each followed by a zero byte (T bytes in all)
//   then  letters per supply step, score, level progress, play time in ms
//   then  "quandel_logic_save_record_v1" and its zero; zero padding to a power of two
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tilvora {

inline constexpr char save_magic[] = "quandel_logic_save_record_v1";
constexpr size_t kSaveMagicSize = sizeof(save_magic); // 29, the zero included
constexpr size_t kSaveNameOffset = 4;
constexpr size_t kSaveNameField = 128;
constexpr size_t kSaveBoardOffset = 132;
constexpr size_t kBoardImageSize = 1200;
constexpr size_t kSaveTargetCountOffset = 1332;
constexpr size_t kSaveTargetWordsOffset = 1336;

using board_image_t = std::array<uint8_t, kBoardImageSize>;

// The game fields a saved game records.
struct saved_game_t {
    std::string dictionary_name;
    board_image_t board{};
    int32_t target_count = 0;
    std::vector<std::string> target_words;
    int32_t announce_per_turn = 0;
    int32_t score = 0;
    int32_t level_progress = 0;
    int32_t elapsed_ms = 0;
};

// Plain image of L = 1381 + T bytes, before the envelope pads it. The dictionary name keeps
// at most 127 bytes; every target word is written whole, each followed by a zero byte.
std::vector<uint8_t> EncodeSavedGame(const saved_game_t& game);

// How far a read got: every field up to and including this one was read whole, in this
// order. target_words holds the texts read whole even when a later text failed.
enum class SaveField {
    none,
    board,
    target_count,
    target_words,
    announce_per_turn,
    score,
    level_progress,
    elapsed_ms,
    magic, // the magic text followed: the file is sound
};

struct saved_game_read_t {
    saved_game_t game;
    SaveField last_read = SaveField::none;
    bool Reached(SaveField field) const { return last_read >= field; }
};

// Reads the fields of a deciphered image in their order, stopping at the first field that
// runs past the image or at a text over 1023 characters. The dictionary name is not read:
// the header name is found from the first 512 bytes by the caller.
saved_game_read_t DecodeSavedGame(const std::vector<uint8_t>& plain);

} // namespace tilvora
