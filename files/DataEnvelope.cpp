#include "DataEnvelope.h"

#include "ByteImage.h"

#include <algorithm>
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

void KeyDataCipher(CRijndael& cipher) {
    cipher.SetKey(reinterpret_cast<const uint8_t*>(data_key),
                  reinterpret_cast<const uint8_t*>(data_chain), 32, 32);
}

std::vector<uint8_t> EncipherImage(CRijndael& cipher, std::vector<uint8_t> image) {
    image.resize(RoundUpPow2(image.size()), 0);
    std::vector<uint8_t> bytes(image.size());
    cipher.Encipher(image.data(), bytes.data(), image.size(), cmFeedback);
    return bytes;
}

std::vector<uint8_t> DecipherImage(CRijndael& cipher, const std::vector<uint8_t>& bytes) {
    std::vector<uint8_t> plain(bytes.size());
    cipher.Decipher(bytes.data(), plain.data(), bytes.size(), cmFeedback);
    return plain;
}

std::string HeaderNameOf(const uint8_t* plain, size_t size) {
    const size_t end = std::min(size, kHeaderBufferSize);
    if (end <= kHeaderNameOffset) {
        return {};
    }
    return TextOfField(plain + kHeaderNameOffset, end - kHeaderNameOffset);
}

std::string ReadHeaderName(CRijndael& cipher, const std::string& path) {
    const file_bytes_t head = ReadFileHead(path, kHeaderBufferSize);
    if (head.status != ReadStatus::ok) {
        return {};
    }
    const std::vector<uint8_t> plain = DecipherImage(cipher, head.bytes);
    return HeaderNameOf(plain.data(), plain.size());
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
