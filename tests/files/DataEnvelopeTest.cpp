#include "DataEnvelope.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace tilvora {
namespace {

CRijndael DataCipher() {
    CRijndael cipher;
    KeyDataCipher(cipher);
    return cipher;
}

// A plain image with a text at offset 4, as dictionaries and saved games keep their name.
std::vector<uint8_t> ImageNamed(const std::string& name, size_t size) {
    std::vector<uint8_t> image(size, 0);
    std::copy(name.begin(), name.end(), image.begin() + 4);
    return image;
}

TEST(DataEnvelope, RoundUpPow2) {
    const std::pair<size_t, size_t> cases[] = {
        {0, 1},       {1, 1},       {2, 2},
        {32, 32},     {33, 64},     {1336, 2048},
        {1704, 2048}, {2049, 4096}, {size_t{1} << 40, size_t{1} << 40}};
    for (const auto& [n, expected] : cases) {
        EXPECT_EQ(RoundUpPow2(n), expected) << n;
    }
    EXPECT_EQ(RoundUpPow2(SIZE_MAX), 0u);
}

TEST(DataEnvelope, ImagePadsToPowerOfTwoAndRoundTrips) {
    CRijndael cipher = DataCipher();
    const std::vector<uint8_t> image = ImageNamed("Cars", 1399);
    const std::vector<uint8_t> file = EncipherImage(cipher, image);
    ASSERT_EQ(file.size(), 2048u);
    std::vector<uint8_t> plain = DecipherImage(cipher, file);
    EXPECT_EQ(std::vector<uint8_t>(plain.begin(), plain.begin() + 1399), image);
    EXPECT_TRUE(std::all_of(plain.begin() + 1399, plain.end(), [](uint8_t b) { return b == 0; }));
}

TEST(DataEnvelope, ReadHeaderNameFromWholeShortAndUnopenableFiles) {
    CRijndael cipher = DataCipher();
    TempFolder temp;
    const std::vector<uint8_t> file = EncipherImage(cipher, ImageNamed("Animals", 4096));
    EXPECT_EQ(ReadHeaderName(cipher, temp.Write("whole", file)), "Animals");
    // Feedback mode deciphers a file cut mid-block correctly up to its last byte.
    const std::vector<uint8_t> cut(file.begin(), file.begin() + 12);
    EXPECT_EQ(ReadHeaderName(cipher, temp.Write("cut", cut)), "Animals");
    EXPECT_EQ(ReadHeaderName(cipher, temp.Path("missing")), "");
    std::filesystem::create_directory(temp.Path("folder"));
    EXPECT_EQ(ReadHeaderName(cipher, temp.Path("folder")), "");
}

TEST(DataEnvelope, HeaderNameStopsAtTheEndOfTheHeaderBuffer) {
    CRijndael cipher = DataCipher();
    TempFolder temp;
    const std::string endless(600, 'x');
    const std::string path = temp.Write("long", EncipherImage(cipher, ImageNamed(endless, 1024)));
    EXPECT_EQ(ReadHeaderName(cipher, path), std::string(kHeaderBufferSize - 4, 'x'));
}

TEST(DataEnvelope, ReadWholeFileSizesAndLimits) {
    TempFolder temp;
    const std::string path = temp.Write("data", std::vector<uint8_t>(40, 0xAB));
    const file_bytes_t exact = ReadWholeFile(path, 1000, BufferRule::file_size);
    EXPECT_EQ(exact.status, ReadStatus::ok);
    EXPECT_EQ(exact.bytes, std::vector<uint8_t>(40, 0xAB));

    const file_bytes_t padded = ReadWholeFile(path, 1000, BufferRule::round_pow2);
    ASSERT_EQ(padded.bytes.size(), 64u);
    EXPECT_EQ(padded.file_size, 40u);
    EXPECT_EQ(padded.bytes[39], 0xAB);
    EXPECT_EQ(padded.bytes[40], 0);

    EXPECT_EQ(ReadWholeFile(path, 39, BufferRule::file_size).status, ReadStatus::too_large);
    EXPECT_EQ(ReadWholeFile(temp.Path("none"), 1000, BufferRule::file_size).status,
              ReadStatus::cannot_open);

    const file_bytes_t head = ReadFileHead(path, 512);
    EXPECT_EQ(head.bytes.size(), 512u);
    EXPECT_EQ(head.file_size, 40u);
}

} // namespace
} // namespace tilvora
