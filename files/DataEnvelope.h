// The common envelope of every data file: the plain image padded with zero bytes to a power
// of two and enciphered whole (32-byte block, 32-byte key, cmFeedback). The file is exactly
// the enciphered bytes, nothing is added around them.
#pragma once

#include "CRijndael.h"

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

// The smallest power of two not below n; 1 for n of 0 or 1. 0 when n exceeds the largest
// power of two a size_t holds.
size_t RoundUpPow2(size_t n);

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

enum class ReadStatus {
    ok,
    cannot_open, // missing, not a regular file (a folder, a device) or unreadable
    too_large,   // larger than the limit the caller gave
};

struct file_bytes_t {
    ReadStatus status = ReadStatus::cannot_open;
    uint64_t file_size = 0;     // bytes actually read from the file
    std::vector<uint8_t> bytes; // the buffer, zero-filled past file_size
};

// Reads the first buffer_size bytes of path into a zero-filled buffer of buffer_size bytes.
file_bytes_t ReadFileHead(const std::string& path, size_t buffer_size);

enum class BufferRule {
    file_size,  // the buffer is exactly the file's size
    round_pow2, // the buffer is RoundUpPow2 of the file's size
};

// Reads a whole file of at most max_size bytes into a buffer sized by rule, zero-filled past
// the file's bytes. Larger files are refused with too_large and nothing is read.
file_bytes_t ReadWholeFile(const std::string& path, uint64_t max_size, BufferRule rule);

} // namespace tilvora
