// The common envelope of every data file: the plain image padded with zero bytes to a power
// of two and enciphered whole (32-byte block, 32-byte key, cmFeedback). The file is exactly
// the enciphered bytes, nothing is added around them.
#pragma once

#include "CRijndael.h"
#include "FileBytes.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tilvora {

// The program's key and initial chain, 32 bytes each (no terminating zero is used).
inline constexpr char data_key[] = "k7dq2mxv9pzr4ltb8wnc3hfy6sgj0eua";
inline constexpr char data_chain[] = "9ruv3kqe5xwm1pzc7ntb2ydl8fgh4soa";

// Bytes read from a dictionary's or saved game's head to find the name at offset 4.
constexpr size_t kHeaderBufferSize = 512;
constexpr size_t kHeaderNameOffset = 4;

// Largest files the readers accept; anything bigger is refused unread.
constexpr uint64_t kMaxDictionaryFileSize = 64ull << 20;
constexpr uint64_t kMaxSavedGameFileSize = 1ull << 20;

// SetKey(data_key, data_chain, 32, 32).
void KeyDataCipher(CRijndael& cipher);

// Pads image to RoundUpPow2(size) with zero bytes and enciphers it whole (cmFeedback); the
// result is the file's bytes.
std::vector<uint8_t> EncipherImage(CRijndael& cipher, std::vector<uint8_t> image);

// Deciphers bytes whole (cmFeedback) into a buffer of the same size.
std::vector<uint8_t> DecipherImage(CRijndael& cipher, const std::vector<uint8_t>& bytes);

// The zero-terminated text at offset 4 of a plain image, read no further than the first
// min(size, 512) bytes.
std::string HeaderNameOf(const uint8_t* plain, size_t size);

// The dictionary name kept at offset 4 of a dictionary or saved game: the first 512 bytes
// (zero-filled past the end of a shorter file) deciphered whole. Empty when the path cannot
// be opened or names something other than a regular file.
std::string ReadHeaderName(CRijndael& cipher, const std::string& path);

} // namespace tilvora
