// Dictionary files: the plain image's layout, its reader and its writer.
//
// Plain image (integers 32-bit little-endian, texts zero-terminated 8-bit):
//   0    magic_offset  where the trailing magic text stands; never 0
//   4    name          128-byte field, at most 127 characters
//   132  description   text of at most 1023 characters
//   d    picture_size  N, then N bytes of a BMP picture
//   ...  word_count    W, then W texts of at most 1023 characters each
//   m    magic         "quandel_logic_dictionary_v1" and its zero, m = magic_offset
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tilvora {

inline constexpr char dictionary_magic[] = "quandel_logic_dictionary_v1";
constexpr size_t kDictionaryMagicSize = sizeof(dictionary_magic); // 28, the zero included
constexpr size_t kDictionaryNameField = 128;
constexpr size_t kDictionaryDescriptionOffset = 132;
// Longest text any reader of a dictionary or saved game accepts.
constexpr size_t kMaxFileTextLength = 1023;
// Longest word the board can hold.
constexpr size_t kMaxWordLength = 10;

// Checks the magic text at magic_offset: 0 when the offset is not 0, the 28 bytes lie inside
// the image and they are the magic text; -1 otherwise.
int32_t CheckDictionaryImage(const std::vector<uint8_t>& plain);

// Parses a deciphered dictionary image and appends its words to words in file order, capitals
// A-Z lowered. Words longer than 10 bytes or holding a byte of 32 or less are skipped.
// 0 when the whole image is sound; -1 when the magic check fails, a field runs past the
// image, a text exceeds 1023 characters or the magic does not follow the last word. Words
// appended before a failure stay.
int32_t AppendDictionaryWords(const std::vector<uint8_t>& plain, std::vector<std::string>& words);

// Plain image of a dictionary. Texts end at their first zero byte; the name keeps at most 127
// bytes, the description and every word at most 1023. Throws std::length_error when the
// picture or the word list does not fit the 32-bit fields.
std::vector<uint8_t> BuildDictionaryImage(const std::string& name, const std::string& description,
                                          const std::vector<uint8_t>& picture,
                                          const std::vector<std::string>& words);

struct dictionary_info_t {
    int32_t result = -1; // 0 when the magic check passed and every field below was in bounds
    std::string name;    // text at offset 4 (as ReadHeaderName reads it)
    std::string description;
    std::vector<uint8_t> picture;
    int32_t word_count = 0; // as stored, may be 0 or negative
};

// What the catalogue shows of a deciphered dictionary. Fields after the first one that does
// not fit the image stay empty and result is -1.
dictionary_info_t ReadDictionaryInfo(const std::vector<uint8_t>& plain);

} // namespace tilvora
