#include "ThemeCheck.h"
#include "DefaultTheme.h"
#include "IniFile.h"
#include "ThemeTestFonts.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include <algorithm>

namespace tilvora {
namespace {

QByteArray Bmp(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// The default theme with the mistakes theme authors make.
std::vector<package_member_t> FaultyTheme() {
    std::string description = DefaultThemeDescription();
    description.replace(description.find("\nbtnExit=\n"), 10, "\n");
    IniFile ini = IniFile::Parse(description);
    ini.WriteInteger("opt_btnUndo", "x1", 100);    // into btnNew
    ini.WriteInteger("opt_btnOptions", "x2", 700); // past the right edge
    ini.WriteInteger("grid", "left", 400);         // board past the right edge
    std::vector<package_member_t> members;
    for (package_member_t& member : DefaultThemeMembers(testing::Fonts())) {
        if (member.name == "def.ini")
            member.bytes = QByteArray::fromStdString(ini.Text());
        else if (member.name == "over.bmp")
            member.bytes = Bmp(100, 100);
        else if (member.name == "font.bmp")
            member.bytes = Bmp(256, 100);
        else if (member.name == "exp.bmp")
            member.bytes = Bmp(320, 32);
        else if (member.name == "butdown.wav")
            member.bytes = "RIFF\x10\0\0\0WAVEjunk and more junk";
        if (member.name != "pick.wav")
            members.push_back(member);
    }
    return members;
}

TEST(ThemeCheck, ListsEveryMistake) {
    const std::string path = ::testing::TempDir() + "tilvora_faulty.tvt";
    WritePackage(path, FaultyTheme());
    std::vector<std::string> problems = CheckThemePackage(path);
    std::sort(problems.begin(), problems.end());
    EXPECT_EQ(problems,
              (std::vector<std::string>{
                  "butdown.wav does not decode as a sound",
                  "button btnOptions lies outside the window",
                  "buttons btnNew and btnUndo overlap",
                  "exp.bmp is 320x32, shorter than 15 explosion frames of 32x32 (480x32)",
                  "font.bmp is 256x100, too small for 26 rows of letter tiles (at least 256x832)",
                  "missing member pick.wav",
                  "no button btnExit in sysButtons",
                  "over.bmp is 100x100 but normal.bmp is 672x480",
                  "the board (400 80 720 400) does not fit the window 672x480",
              }));
}

TEST(ThemeCheck, SizesThatWrapAt32BitsDoNotFit) {
    // 10 x $1999999A wraps to 4 in 32 bits: a board and digit row that seemed to fit.
    IniFile ini = IniFile::Parse(DefaultThemeDescription());
    ini.WriteString("grid", "cell_width", "$1999999A");
    ini.WriteString("scores", "digit_width", "$1999999A");
    std::vector<package_member_t> members = DefaultThemeMembers(testing::Fonts());
    for (package_member_t& member : members) {
        if (member.name == "def.ini")
            member.bytes = QByteArray::fromStdString(ini.Text());
    }
    const std::string path = ::testing::TempDir() + "tilvora_wrapping.tvt";
    WritePackage(path, members);
    std::vector<std::string> problems = CheckThemePackage(path);
    std::sort(problems.begin(), problems.end());
    EXPECT_EQ(problems, (std::vector<std::string>{
                            "digits.bmp is 200x30, too small for ten digits of 429496730x30",
                            "font.bmp is 256x832, too small for 26 rows of letter tiles (at least "
                            "3435973840x832)",
                            "the 4 digits of the points needed do not fit the window",
                            "the 8 score digits do not fit the window",
                            "the board (32 80 36 400) does not fit the window 672x480",
                        }));
}

TEST(ThemeCheck, ReportsAnUnreadablePackageAlone) {
    const std::string path = ::testing::TempDir() + "tilvora_missing.tvt";
    EXPECT_EQ(CheckThemePackage(path),
              std::vector<std::string>{"Theme package \"" + path + "\": the file does not exist"});
}

} // namespace
} // namespace tilvora
