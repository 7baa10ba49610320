#include "PackageFixture.h"
#include "ThemePackage.h"

#include <gtest/gtest.h>

namespace tilvora {
namespace {

using testing::BmpBytes;
using testing::BmpHeader;
using testing::PackageBytes;
using testing::SolidPicture;

void Put32(QByteArray& bytes, qsizetype offset, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A one-member archive whose headers understate the member's size: the data inflates to
// far more than the archive admits, as in a zip bomb.
QByteArray UnderstatedMember() {
    QByteArray bytes = PackageBytes({{"def.ini", QByteArray(900 * 1024, 'a')}});
    Put32(bytes, 22, 100);                               // local header
    Put32(bytes, bytes.indexOf("PK\x01\x02") + 24, 100); // central directory
    return bytes;
}

// A one-member archive whose compressed data is overwritten in the middle.
QByteArray DamagedMember() {
    QImage noise(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            noise.setPixel(x, y, qRgb(x * 4, (x * y) & 255, (x ^ y) * 4));
    QByteArray bytes = PackageBytes({{"font.bmp", BmpBytes(noise)}});
    for (qsizetype i = 200; i < 260; ++i)
        bytes[i] = static_cast<char>(0x5A);
    return bytes;
}

struct hostile_case_t {
    const char* label;
    QByteArray package;
    const char* problem;
};

// Names each case after its label in test listings.
void PrintTo(const hostile_case_t& test, std::ostream* out) { *out << test.label; }

class HostilePackage : public ::testing::TestWithParam<hostile_case_t> {};

TEST_P(HostilePackage, GivesAnErrorNamingThePackageAndTheProblem) {
    const hostile_case_t& test = GetParam();
    try {
        LoadThemePackageFromMemory(test.package, "hostile.tvt");
        FAIL() << test.label << ": loaded";
    } catch (const ThemePackageError& error) {
        const std::string message = error.what();
        EXPECT_TRUE(message.starts_with("Theme package \"hostile.tvt\": ")) << message;
        EXPECT_NE(message.find(test.problem), std::string::npos) << test.label << ": " << message;
    }
}

QByteArray Truncated(QByteArray bytes) {
    bytes.truncate(bytes.size() / 2);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HostilePackage,
    ::testing::Values(
        hostile_case_t{"not a zip", "plain text, no archive", "is not a ZIP archive"},
        hostile_case_t{"empty file", "", "is not a ZIP archive"},
        hostile_case_t{
            "truncated",
            Truncated(PackageBytes({{"normal.bmp", BmpBytes(SolidPicture(64, 64, Qt::gray))},
                                    {"def.ini", "[about]\nname=x\n"}})),
            "is not a ZIP archive"},
        hostile_case_t{"png as bmp", PackageBytes({{"over.bmp", "\x89PNG\r\n\x1a\n...."}}),
                       "over.bmp is not a BMP picture"},
        hostile_case_t{"broken bmp", PackageBytes({{"mask.bmp", "BM broken"}}), "mask.bmp"},
        hostile_case_t{"absurd width", PackageBytes({{"font.bmp", BmpHeader(100000, 32)}}),
                       "font.bmp is too large (100000 x 32 pixels)"},
        hostile_case_t{"absurd height", PackageBytes({{"exp.bmp", BmpHeader(480, 70000)}}),
                       "exp.bmp is too large"},
        hostile_case_t{"area beyond the budget",
                       PackageBytes({{"digits.bmp", BmpHeader(8192, 8192)}}),
                       "digits.bmp is too large (8192 x 8192 pixels)"},
        hostile_case_t{"huge description", PackageBytes({{"def.ini", QByteArray(2 << 20, ' ')}}),
                       "def.ini is too large"},
        hostile_case_t{"huge sound", PackageBytes({{"move.wav", QByteArray(33 << 20, '\0')}}),
                       "move.wav is too large"},
        hostile_case_t{"understated size", UnderstatedMember(),
                       "def.ini does not decompress to the size the archive states"},
        hostile_case_t{"damaged data", DamagedMember(), "font.bmp"}));

} // namespace
} // namespace tilvora
