#include "ThemePackage.h"
#include "PackageFixture.h"

#include <gtest/gtest.h>

#include <QFile>

namespace tilvora {
namespace {

using testing::BmpBytes;
using testing::PackageBytes;
using testing::SolidPicture;

const char* const full_description = R"([About]
Name = Night Sky
info=A dark theme
[grid]
cell_width=0x20
cell_height=$20
left=32
top=80
pen_color=$00FF8040
brush_color=1234
[letters]
left=400
top=300
pen_color=5
brush_color=6
[words]
left=380
top=100
pitch=8
order=1
centred=0
pen_color=7
brush_color=8
[scores]
scores_left=400
scores_top=350
font_color=9
back_color=10
bank_left=500
bank_top=360
digit_width=20
digit_height=32
[sysButtons]
btnExit=
btnNew=anything
btnSecret=1
[opt_btnNew]
x1=10
y1=20
x2=0x30
y2=40
[OPT_BTNEXIT]
x1=600
y1=5
x2=630
y2=25px
)";

TEST(ThemePackage, ReadsEveryKeyOfTheDescription) {
    const theme_t theme =
        LoadThemePackageFromMemory(PackageBytes({{"def.ini", full_description}}), "full.tvt");
    EXPECT_EQ(theme.theme_name, "Night Sky");
    EXPECT_EQ(theme.theme_info, "A dark theme");
    EXPECT_EQ(std::tie(theme.cell_width, theme.cell_height, theme.grid_left, theme.grid_top,
                       theme.grid_right, theme.grid_bottom),
              std::make_tuple(32, 32, 32, 80, 352, 400));
    EXPECT_EQ(std::tie(theme.letters_left, theme.letters_top, theme.words_left, theme.words_top,
                       theme.words_pitch),
              std::make_tuple(400, 300, 380, 100, 8));
    EXPECT_TRUE(theme.words_order);
    EXPECT_FALSE(theme.words_centred);
    EXPECT_EQ(std::tie(theme.grid_pen_color, theme.grid_brush_color, theme.letters_pen_color,
                       theme.letters_brush_color, theme.words_pen_color, theme.words_brush_color,
                       theme.scores_font_color, theme.scores_back_color),
              std::make_tuple(0xFF8040, 1234, 5, 6, 7, 8, 9, 10));
    EXPECT_EQ(std::tie(theme.scores_left, theme.scores_top, theme.bank_left, theme.bank_top,
                       theme.digit_width, theme.digit_height),
              std::make_tuple(400, 350, 500, 360, 20, 32));
    // File order; a button without its opt_ section is the point (0, 0); "25px" is no integer.
    ASSERT_EQ(theme.skin_buttons.size(), 3u);
    const auto rectangle = [&](size_t i) {
        const skin_button_t& b = theme.skin_buttons[i].second;
        return std::make_tuple(theme.skin_buttons[i].first, b.x1, b.y1, b.x2, b.y2, b.is_pressed);
    };
    EXPECT_EQ(rectangle(0), std::make_tuple("btnExit", 600, 5, 630, 0, false));
    EXPECT_EQ(rectangle(1), std::make_tuple("btnNew", 10, 20, 48, 40, false));
    EXPECT_EQ(rectangle(2), std::make_tuple("btnSecret", 0, 0, 0, 0, false));
}

TEST(ThemePackage, MissingMembersGiveDefaultsAndEmptyPictures) {
    const theme_t theme = LoadThemePackageFromMemory(
        PackageBytes({{"normal.bmp", BmpBytes(SolidPicture(40, 30, Qt::blue))}}), "bare.tvt");
    EXPECT_EQ(theme.theme_name, "");
    EXPECT_EQ(std::tie(theme.cell_width, theme.cell_height, theme.grid_left, theme.grid_top,
                       theme.grid_right, theme.grid_bottom),
              std::make_tuple(1, 1, 1, 1, 11, 11));
    EXPECT_FALSE(theme.words_order);
    EXPECT_TRUE(theme.words_centred);
    EXPECT_EQ(std::tie(theme.grid_pen_color, theme.grid_brush_color, theme.scores_font_color,
                       theme.scores_back_color),
              std::make_tuple(255, 0xFFFFFF, 0, 0xFFFFFF));
    EXPECT_TRUE(theme.skin_buttons.empty());
    EXPECT_EQ(theme.bmp_normal.size(), QSize(40, 30));
    EXPECT_TRUE(theme.bmp_mask.isNull());
    EXPECT_TRUE(theme.snd_move.isEmpty());
}

TEST(ThemePackage, FindsMembersAtTheRootOnlyWithoutRegardToCase) {
    const QByteArray pick = "RIFF pick";
    const theme_t theme = LoadThemePackageFromMemory(
        PackageBytes({{"DEF.INI", "[about]\nname=Upper\n"},
                      {"NORMAL.BMP", BmpBytes(SolidPicture(12, 10, Qt::red))},
                      {"pictures/over.bmp", BmpBytes(SolidPicture(12, 10, Qt::green))},
                      {"sub/", {}},
                      {"Pick.Wav", pick},
                      {"sounds/move.wav", "RIFF move"}}),
        "case.tvt");
    EXPECT_EQ(theme.theme_name, "Upper");
    EXPECT_EQ(theme.bmp_normal.size(), QSize(12, 10));
    EXPECT_TRUE(theme.bmp_over.isNull());
    EXPECT_EQ(theme.snd_pick, pick);
    EXPECT_TRUE(theme.snd_move.isEmpty());
}

TEST(ThemePackage, OpensAFileWhateverItsExtension) {
    const std::string path = ::testing::TempDir() + "tilvora_theme_test.zip";
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(PackageBytes({{"def.ini", "[about]\nname=Zipped\n"}}));
    file.close();
    EXPECT_EQ(LoadThemePackage(path).theme_name, "Zipped");
    file.remove();
    EXPECT_THROW(
        {
            try {
                LoadThemePackage(path);
            } catch (const ThemePackageError& error) {
                EXPECT_STREQ(error.what(),
                             ("Theme package \"" + path + "\": the file does not exist").c_str());
                throw;
            }
        },
        ThemePackageError);
}

} // namespace
} // namespace tilvora
