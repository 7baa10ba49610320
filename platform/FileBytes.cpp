#include "FileBytes.h"

#include <bit>
#include <filesystem>
#include <fstream>
#include <limits>

namespace tilvora {

size_t RoundUpPow2(size_t n) {
    if (n <= 1) {
        return 1;
    }
    if (n > (std::numeric_limits<size_t>::max() >> 1) + 1) {
        return 0;
    }
    return std::bit_ceil(n);
}

namespace {

// Opens a regular file for reading; folders, devices and pipes count as unopenable.
bool OpenRegularFile(const std::string& path, std::ifstream& stream, uint64_t& size) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return false;
    }
    size = std::filesystem::file_size(path, error);
    if (error) {
        return false;
    }
    stream.open(path, std::ios::binary);
    return stream.is_open();
}

// Reads up to count bytes into the start of buffer; returns how many arrived.
uint64_t ReadInto(std::ifstream& stream, std::vector<uint8_t>& buffer, size_t count) {
    stream.read(reinterpret_cast<char*>(buffer.data()), static_cast<std::streamsize>(count));
    return static_cast<uint64_t>(stream.gcount());
}

} // namespace

file_bytes_t ReadFileHead(const std::string& path, size_t buffer_size) {
    file_bytes_t result;
    std::ifstream stream;
    uint64_t size = 0;
    if (!OpenRegularFile(path, stream, size)) {
        return result;
    }
    result.bytes.assign(buffer_size, 0);
    result.file_size = ReadInto(stream, result.bytes, buffer_size);
    result.status = ReadStatus::ok;
    return result;
}

file_bytes_t ReadWholeFile(const std::string& path, uint64_t max_size, BufferRule rule) {
    file_bytes_t result;
    std::ifstream stream;
    uint64_t size = 0;
    if (!OpenRegularFile(path, stream, size)) {
        return result;
    }
    if (size > max_size || size > std::numeric_limits<size_t>::max() / 2) {
        result.status = ReadStatus::too_large;
        return result;
    }
    const size_t count = static_cast<size_t>(size);
    result.bytes.assign(rule == BufferRule::round_pow2 ? RoundUpPow2(count) : count, 0);
    // A file that shrank meanwhile leaves zero bytes; one that grew is read only to its old size.
    result.file_size = ReadInto(stream, result.bytes, count);
    result.status = ReadStatus::ok;
    return result;
}

} // namespace tilvora
