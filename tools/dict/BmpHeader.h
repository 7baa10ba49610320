// The few facts of a Windows bitmap file that the dictionary tool checks and reports.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace tilvora {

struct bmp_info_t {
    int32_t width = 0;
    int32_t height = 0; // always positive; bottom-up and top-down pictures alike
    int32_t bits_per_pixel = 0;
};

// The picture's size and depth when bytes hold a BMP file: the "BM" file header, a known
// info-header size, a pixel-data offset inside the file and a sensible size and depth.
// Nothing when they do not.
std::optional<bmp_info_t> ReadBmpInfo(const std::vector<uint8_t>& bytes);

} // namespace tilvora
