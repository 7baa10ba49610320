#include "BmpHeader.h"
#include "TestBitmap.h"

#include <gtest/gtest.h>

namespace tilvora {
namespace {

using test::MakeBmp;
using test::Put;

TEST(BmpHeaderTest, ReadsSizeAndDepthOfEveryHeaderKind) {
    struct case_t {
        const char* what;
        std::vector<uint8_t> bytes;
        int32_t width, height;
    };
    const case_t cases[] = {
        {"info header", MakeBmp(253, 61), 253, 61},
        {"core header", MakeBmp(7, 3, true), 7, 3},
        {"top-down rows", MakeBmp(5, -4), 5, 4},
    };
    for (const case_t& c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<bmp_info_t> info = ReadBmpInfo(c.bytes);
        ASSERT_TRUE(info);
        EXPECT_EQ(info->width, c.width);
        EXPECT_EQ(info->height, c.height);
        EXPECT_EQ(info->bits_per_pixel, 24);
    }
}

TEST(BmpHeaderTest, RefusesWhatIsNotABmp) {
    std::vector<uint8_t> wrong_magic = MakeBmp(2, 2);
    wrong_magic[1] = 'A';
    std::vector<uint8_t> truncated = MakeBmp(2, 2);
    truncated.resize(30);
    std::vector<uint8_t> unknown_header = MakeBmp(2, 2);
    Put(unknown_header, 14, 41, 4);
    std::vector<uint8_t> pixels_past_end = MakeBmp(2, 2);
    Put(pixels_past_end, 10, static_cast<uint32_t>(pixels_past_end.size()) + 1, 4);
    std::vector<uint8_t> odd_depth = MakeBmp(2, 2);
    Put(odd_depth, 28, 7, 2);
    std::vector<uint8_t> most_negative_height = MakeBmp(2, 2);
    Put(most_negative_height, 22, 0x80000000u, 4);
    const std::vector<uint8_t> png_signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};

    for (const auto& bytes : {wrong_magic, truncated, unknown_header, pixels_past_end, odd_depth,
                              most_negative_height, png_signature, std::vector<uint8_t>{}}) {
        EXPECT_FALSE(ReadBmpInfo(bytes)) << "size " << bytes.size();
    }
    EXPECT_FALSE(ReadBmpInfo(MakeBmp(0, 2)));
}

} // namespace
} // namespace tilvora
