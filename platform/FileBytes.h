// Reading a file's bytes whole or in part, with a size limit checked before anything is read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tilvora {

// The smallest power of two not below n; 1 for n of 0 or 1. 0 when n exceeds the largest
// power of two a size_t holds.
size_t RoundUpPow2(size_t n);

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
