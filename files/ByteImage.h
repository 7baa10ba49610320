// Little-endian integers and zero-terminated texts inside the plain images of data files,
// read with bounds checks so that no reader ever looks outside its buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tilvora {

void PutUint32(uint8_t* at, uint32_t value);
inline void PutInt32(uint8_t* at, int32_t value) {
    PutUint32(at, static_cast<uint32_t>(value));
}
uint16_t GetUint16(const uint8_t* at);
uint32_t GetUint32(const uint8_t* at);
inline int32_t GetInt32(const uint8_t* at) {
    return static_cast<int32_t>(GetUint32(at));
}

// Copies at most field_size - 1 bytes of text (up to its first zero byte) into a field of
// field_size bytes and fills the rest with zero bytes.
void PutTextField(uint8_t* field, size_t field_size, std::string_view text);

// Text of a fixed field: up to its first zero byte or the end of the field.
std::string TextOfField(const uint8_t* field, size_t field_size);

// Appends little-endian integers and zero-terminated texts to a growing image.
class ImageWriter {
  public:
    void Uint32(uint32_t value);
    void Int32(int32_t value) { Uint32(static_cast<uint32_t>(value)); }
    void Bytes(std::span<const uint8_t> bytes);
    // The text up to its first zero byte, at most max_length bytes, then a zero byte.
    void Text(std::string_view text, size_t max_length);
    std::vector<uint8_t>& Image() { return image; }

  private:
    std::vector<uint8_t> image;
};

// Walks an image from a position; every read fails instead of passing the end.
class ImageReader {
  public:
    explicit ImageReader(std::span<const uint8_t> image, size_t position = 0)
        : data(image), pos(position) {}

    bool Uint32(uint32_t& value);
    bool Int32(int32_t& value);
    bool Skip(uint64_t count);
    // A zero-terminated text of at most max_length bytes; fails when no zero byte ends it
    // within the image or within max_length + 1 bytes. The position moves past the zero.
    bool Text(std::string& text, size_t max_length);
    // True when the next bytes equal expected; the position does not move.
    bool Matches(std::span<const uint8_t> expected) const;
    size_t Position() const { return pos; }

  private:
    std::span<const uint8_t> data;
    size_t pos;
};

} // namespace tilvora
