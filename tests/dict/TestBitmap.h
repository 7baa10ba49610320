// Small BMP files made in memory for the dictionary tool's tests.
#pragma once

#include <cstdint>
#include <vector>

namespace tilvora::test {

inline void Put(std::vector<uint8_t>& bytes, size_t at, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

// A 24-bit BMP of width x height black pixels with a 40-byte info header, or with the
// 12-byte core header of old OS/2 bitmaps. A negative height stores the rows top first.
inline std::vector<uint8_t> MakeBmp(int32_t width, int32_t height, bool core_header = false) {
    const uint32_t header_size = core_header ? 12 : 40;
    const uint32_t row_size = (static_cast<uint32_t>(width) * 3 + 3) / 4 * 4;
    const uint32_t rows = static_cast<uint32_t>(height < 0 ? -height : height);
    const uint32_t pixel_offset = 14 + header_size;
    std::vector<uint8_t> bytes(pixel_offset + row_size * rows, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put(bytes, 2, static_cast<uint32_t>(bytes.size()), 4);
    Put(bytes, 10, pixel_offset, 4);
    Put(bytes, 14, header_size, 4);
    if (core_header) {
        Put(bytes, 18, static_cast<uint32_t>(width), 2);
        Put(bytes, 20, static_cast<uint32_t>(height), 2);
        Put(bytes, 22, 1, 2);
        Put(bytes, 24, 24, 2);
    } else {
        Put(bytes, 18, static_cast<uint32_t>(width), 4);
        Put(bytes, 22, static_cast<uint32_t>(height), 4);
        Put(bytes, 26, 1, 2);
        Put(bytes, 28, 24, 2);
    }
    return bytes;
}

} // namespace tilvora::test
