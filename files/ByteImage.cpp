#include "ByteImage.h"

#include <algorithm>
#include <cstring>

namespace tilvora {

void PutUint32(uint8_t* at, uint32_t value) {
    at[0] = static_cast<uint8_t>(value);
    at[1] = static_cast<uint8_t>(value >> 8);
    at[2] = static_cast<uint8_t>(value >> 16);
    at[3] = static_cast<uint8_t>(value >> 24);
}

uint16_t GetUint16(const uint8_t* at) {
    return static_cast<uint16_t>(at[0] | at[1] << 8);
}

uint32_t GetUint32(const uint8_t* at) {
    return static_cast<uint32_t>(at[0]) | static_cast<uint32_t>(at[1]) << 8 |
           static_cast<uint32_t>(at[2]) << 16 | static_cast<uint32_t>(at[3]) << 24;
}

static std::string_view UpToZero(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

void PutTextField(uint8_t* field, size_t field_size, std::string_view text) {
    if (field_size == 0) {
        return;
    }
    const std::string_view kept = UpToZero(text).substr(0, field_size - 1);
    std::memcpy(field, kept.data(), kept.size());
    std::memset(field + kept.size(), 0, field_size - kept.size());
}

std::string TextOfField(const uint8_t* field, size_t field_size) {
    const uint8_t* end = std::find(field, field + field_size, uint8_t{0});
    return std::string(field, end);
}

void ImageWriter::Uint32(uint32_t value) {
    uint8_t bytes[4];
    PutUint32(bytes, value);
    image.insert(image.end(), bytes, bytes + 4);
}

void ImageWriter::Bytes(std::span<const uint8_t> bytes) {
    image.insert(image.end(), bytes.begin(), bytes.end());
}

void ImageWriter::Text(std::string_view text, size_t max_length) {
    const std::string_view kept = UpToZero(text).substr(0, max_length);
    image.insert(image.end(), kept.begin(), kept.end());
    image.push_back(0);
}

bool ImageReader::Uint32(uint32_t& value) {
    if (pos > data.size() || data.size() - pos < 4) {
        return false;
    }
    value = GetUint32(data.data() + pos);
    pos += 4;
    return true;
}

bool ImageReader::Int32(int32_t& value) {
    uint32_t raw = 0;
    if (!Uint32(raw)) {
        return false;
    }
    value = static_cast<int32_t>(raw);
    return true;
}

bool ImageReader::Skip(uint64_t count) {
    if (pos > data.size() || data.size() - pos < count) {
        return false;
    }
    pos += static_cast<size_t>(count);
    return true;
}

bool ImageReader::Text(std::string& text, size_t max_length) {
    if (pos >= data.size()) {
        return false;
    }
    const size_t window = std::min(data.size() - pos, max_length + 1);
    const uint8_t* begin = data.data() + pos;
    const uint8_t* end = std::find(begin, begin + window, uint8_t{0});
    if (end == begin + window) {
        return false;
    }
    text.assign(begin, end);
    pos += text.size() + 1;
    return true;
}

bool ImageReader::Matches(std::span<const uint8_t> expected) const {
    return pos <= data.size() && data.size() - pos >= expected.size() &&
           std::equal(expected.begin(), expected.end(), data.begin() + pos);
}

} // namespace tilvora
