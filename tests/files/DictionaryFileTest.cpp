#include "DictionaryFile.h"
#include "ByteImage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace tilvora {
namespace {

using strings_t = std::vector<std::string>;

const std::vector<uint8_t> kPicture = {'B', 'M', 1, 2, 3};

std::vector<uint8_t> ImageOf(const strings_t& words) {
    return BuildDictionaryImage("Cars", "Fast\nand loud", kPicture, words);
}

// Offset of the word count in images made by ImageOf.
constexpr size_t kWordCountAt = 132 + sizeof("Fast\nand loud") + 4 + 5;

TEST(DictionaryFile, WordsAreLoweredAndUnfitWordsDropped) {
    const strings_t stored = {"Cat", "ELEPHANTINE", "dog", "\xC4rger",
                              "x-Y", "two words",   "",    "TENLETTERS"};
    strings_t words = {"kept"};
    EXPECT_EQ(AppendDictionaryWords(ImageOf(stored), words), 0);
    EXPECT_EQ(words, (strings_t{"kept", "cat", "dog", "\xC4rger", "x-y", "", "tenletters"}));
}

TEST(DictionaryFile, LayoutPlacesMagicAfterTheLastWord) {
    const std::vector<uint8_t> image = ImageOf({"ab"});
    const uint32_t magic_at = GetUint32(image.data());
    EXPECT_EQ(magic_at, kWordCountAt + 4 + 3);
    ASSERT_EQ(image.size(), magic_at + kDictionaryMagicSize);
    EXPECT_STREQ(reinterpret_cast<const char*>(image.data() + magic_at), dictionary_magic);
    EXPECT_EQ(GetInt32(image.data() + kWordCountAt), 1);
}

TEST(DictionaryFile, EmptyAndNegativeWordCountsLoadNothing) {
    std::vector<uint8_t> image = ImageOf({});
    strings_t words;
    EXPECT_EQ(AppendDictionaryWords(image, words), 0);
    PutInt32(image.data() + kWordCountAt, -5);
    EXPECT_EQ(AppendDictionaryWords(image, words), 0);
    EXPECT_TRUE(words.empty());
}

// Each case damages a sound image of the words "cat", "dog"; check_result is what the header
// check says, the full parse always fails.
TEST(DictionaryFile, HostileImagesFailWithoutReadingOutside) {
    struct case_t {
        const char* what;
        void (*damage)(std::vector<uint8_t>&);
        int32_t check_result;
        size_t words_kept;
    };
    const case_t cases[] = {
        {"magic_offset 0", [](auto& im) { PutUint32(im.data(), 0); }, -1, 0},
        {"magic_offset past the end", [](auto& im) { PutUint32(im.data(), 0xFFFFFFF0u); }, -1, 0},
        {"magic_offset too close to the end",
         [](auto& im) { PutUint32(im.data(), static_cast<uint32_t>(im.size() - 27)); }, -1, 0},
        {"wrong magic text", [](auto& im) { im[im.size() - 2] ^= 1; }, -1, 0},
        {"trailing magic moved",
         [](auto& im) {
             im.insert(im.end() - static_cast<long>(kDictionaryMagicSize), 'x');
             PutUint32(im.data(), static_cast<uint32_t>(im.size() - kDictionaryMagicSize));
         },
         0, 2},
        {"picture_size past the end",
         [](auto& im) { PutUint32(im.data() + kWordCountAt - 9, 0xFFFFFFFFu); }, 0, 0},
        {"word_count past the end",
         [](auto& im) { PutInt32(im.data() + kWordCountAt, 0x7FFFFFFF); }, 0, 2},
    };
    for (const case_t& c : cases) {
        std::vector<uint8_t> image = ImageOf({"cat", "dog"});
        c.damage(image);
        EXPECT_EQ(CheckDictionaryImage(image), c.check_result) << c.what;
        strings_t words;
        EXPECT_EQ(AppendDictionaryWords(image, words), -1) << c.what;
        EXPECT_EQ(words.size(), c.words_kept) << c.what;
    }
    strings_t words;
    EXPECT_EQ(CheckDictionaryImage({}), -1);
    EXPECT_EQ(AppendDictionaryWords({1, 0, 0}, words), -1);
}

// Texts without an end inside the image, or over 1023 characters, make the file bad.
TEST(DictionaryFile, UnterminatedAndOverlongTextsFail) {
    std::vector<uint8_t> image(132 + 1500, 'a');
    PutUint32(image.data(), static_cast<uint32_t>(image.size()));
    image.insert(image.end(), dictionary_magic, dictionary_magic + kDictionaryMagicSize);
    strings_t words;
    EXPECT_EQ(AppendDictionaryWords(image, words), -1) << "description of 1500 characters";

    const std::string longest(kMaxFileTextLength, 'w');
    EXPECT_EQ(AppendDictionaryWords(ImageOf({longest}), words), 0);
    std::vector<uint8_t> overlong = ImageOf({longest});
    overlong.insert(overlong.begin() + kWordCountAt + 4, 'w');
    PutUint32(overlong.data(), GetUint32(overlong.data()) + 1);
    EXPECT_EQ(CheckDictionaryImage(overlong), 0);
    EXPECT_EQ(AppendDictionaryWords(overlong, words), -1) << "word of 1024 characters";

    // The name field holds the magic, so the header check passes while the last word runs
    // to the end of the image.
    std::vector<uint8_t> unterminated = BuildDictionaryImage(dictionary_magic, "", {}, {"cat"});
    unterminated.resize(unterminated.size() - kDictionaryMagicSize - 1);
    PutUint32(unterminated.data(), 4);
    EXPECT_EQ(CheckDictionaryImage(unterminated), 0);
    EXPECT_EQ(AppendDictionaryWords(unterminated, words), -1) << "word without its zero";
}

TEST(DictionaryFile, WriterCutsTextsToTheirFields) {
    const std::string long_name(200, 'n');
    const std::string long_description(2000, 'd');
    const std::vector<uint8_t> image = BuildDictionaryImage(long_name, long_description, kPicture,
                                                            {std::string("ca\0t", 4), "dog"});
    const dictionary_info_t info = ReadDictionaryInfo(image);
    EXPECT_EQ(info.result, 0);
    EXPECT_EQ(info.name, std::string(127, 'n'));
    EXPECT_EQ(info.description, std::string(kMaxFileTextLength, 'd'));
    EXPECT_EQ(info.picture, kPicture);
    EXPECT_EQ(info.word_count, 2);
    strings_t words;
    EXPECT_EQ(AppendDictionaryWords(image, words), 0);
    EXPECT_EQ(words, (strings_t{"ca", "dog"}));
}

TEST(DictionaryFile, InfoOfADamagedImageStopsAtTheDamage) {
    std::vector<uint8_t> image = ImageOf({"cat"});
    PutUint32(image.data() + kWordCountAt - 9, 0xFFFFFFFFu);
    const dictionary_info_t info = ReadDictionaryInfo(image);
    EXPECT_EQ(info.result, -1);
    EXPECT_EQ(info.name, "Cars");
    EXPECT_EQ(info.description, "Fast\nand loud");
    EXPECT_TRUE(info.picture.empty());
}

} // namespace
} // namespace tilvora
