#include "BmpHeader.h"

#include "ByteImage.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace tilvora {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kCoreHeaderSize = 12; // the old OS/2 header with 16-bit sizes
constexpr uint32_t kInfoHeaderSizes[] = {12, 40, 52, 56, 64, 108, 124};
constexpr int32_t kDepths[] = {1, 4, 8, 16, 24, 32};

template <typename T, size_t N> bool Contains(const T (&values)[N], T value) {
    return std::find(values, values + N, value) != values + N;
}

} // namespace

std::optional<bmp_info_t> ReadBmpInfo(const std::vector<uint8_t>& bytes) {
    if (bytes.size() < kFileHeaderSize + kCoreHeaderSize || bytes[0] != 'B' || bytes[1] != 'M') {
        return std::nullopt;
    }
    const uint32_t header_size = GetUint32(bytes.data() + 14);
    const uint32_t pixel_offset = GetUint32(bytes.data() + 10);
    if (!Contains(kInfoHeaderSizes, header_size) || kFileHeaderSize + header_size > bytes.size() ||
        pixel_offset < kFileHeaderSize + header_size || pixel_offset > bytes.size()) {
        return std::nullopt;
    }
    bmp_info_t info;
    if (header_size == kCoreHeaderSize) {
        info.width = static_cast<int32_t>(GetUint16(bytes.data() + 18));
        info.height = static_cast<int32_t>(GetUint16(bytes.data() + 20));
        info.bits_per_pixel = static_cast<int32_t>(GetUint16(bytes.data() + 24));
    } else {
        info.width = GetInt32(bytes.data() + 18);
        // A negative height marks a picture stored top row first.
        const int32_t stored_height = GetInt32(bytes.data() + 22);
        info.height = stored_height == INT32_MIN ? 0 : std::abs(stored_height);
        info.bits_per_pixel = static_cast<int32_t>(GetUint16(bytes.data() + 28));
    }
    if (info.width <= 0 || info.height <= 0 || !Contains(kDepths, info.bits_per_pixel)) {
        return std::nullopt;
    }
    return info;
}

} // namespace tilvora
