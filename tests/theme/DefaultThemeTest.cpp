#include "DefaultTheme.h"
#include "ThemeCheck.h"
#include "ThemeInfo.h"
#include "ThemePackage.h"
#include "ThemeTestFonts.h"
#include "WindowPictures.h"
#include "WindowRegion.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>

#include <algorithm>

namespace tilvora {
namespace {

// Every test of the suite runs in its own process, side by side with others: the process id
// keeps each one's package apart.
std::string TempPath(const std::string& name) {
    return ::testing::TempDir() + std::to_string(getpid()) + "_" + name;
}

QByteArray FileBytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

class DefaultTheme : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { WritePackage(package, DefaultThemeMembers(testing::Fonts())); }
    static inline const std::string package = TempPath("tilvora_default.tvt");
};

TEST_F(DefaultTheme, PassesTheCheck) {
    EXPECT_EQ(CheckThemePackage(package), std::vector<std::string>{});
}

TEST_F(DefaultTheme, IsTheSameFromBuildToBuild) {
    const std::string again = TempPath("tilvora_default_again.tvt");
    WritePackage(again, DefaultThemeMembers(testing::Fonts()));
    EXPECT_EQ(FileBytes(again), FileBytes(package));
    QFile::remove(QString::fromStdString(again));
}

TEST_F(DefaultTheme, HasAShapedWindowAndEveryCommandButton) {
    const theme_t theme = LoadThemePackage(package);
    const auto region = RegionFromMask(theme.bmp_mask, qRgb(255, 255, 255));
    ASSERT_TRUE(region);
    EXPECT_FALSE(region->contains(QPoint(0, 0)));
    EXPECT_FALSE(region->contains(QPoint(theme.bmp_normal.width() - 1, 0)));
    EXPECT_TRUE(region->contains(QPoint(theme.bmp_normal.width() / 2, 0)));
    std::vector<std::string> names;
    for (const auto& [name, button] : theme.skin_buttons) {
        names.push_back(name);
        const QRect rect(QPoint(button.x1, button.y1), QPoint(button.x2, button.y2));
        // Each button's three looks differ, so hover and press show.
        const QImage normal = theme.bmp_normal.copy(rect);
        EXPECT_NE(normal, theme.bmp_over.copy(rect)) << name;
        EXPECT_NE(normal, theme.bmp_pressed.copy(rect)) << name;
        EXPECT_NE(theme.bmp_over.copy(rect), theme.bmp_pressed.copy(rect)) << name;
    }
    EXPECT_EQ(names,
              (std::vector<std::string>{"btnNew", "btnUndo", "btnSave", "btnLoad", "btnScores",
                                        "btnOptions", "btnMinimize", "btnExit"}));
    EXPECT_EQ(theme.bmp_normal.copy(0, 60, 672, 360), theme.bmp_over.copy(0, 60, 672, 360))
        << "outside the buttons the three pictures agree";
}

TEST_F(DefaultTheme, SelectedLetterPulsesAndRestsInColumnOne) {
    const theme_t theme = LoadThemePackage(package);
    const auto tile = [&](int column, int row) {
        return theme.bmp_font.copy(column * 32, row * 32, 32, 32);
    };
    for (int row = 0; row < 26; ++row) {
        EXPECT_EQ(tile(0, row), tile(1, row));
        for (int column = 2; column <= 7; ++column)
            EXPECT_NE(tile(column, row), tile(1, row)) << column << "," << row;
        EXPECT_NE(tile(1, row), tile(1, (row + 1) % 26));
    }
}

TEST_F(DefaultTheme, InfoListsEveryValueTheLoaderReads) {
    const std::vector<std::string> lines = ThemeInfoLines(LoadThemePackage(package));
    for (const char* expected :
         {"theme_name = Tilvora Night", "cell_width = 32", "grid_right = 352", "words_order = 0",
          "words_centred = 0", "button btnNew = 32 422 127 461", "bmp_normal = 672x480",
          "bmp_font = 256x832", "bmp_exp = 480x32"})
        EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected;
    const std::vector<std::string> empty = ThemeInfoLines(theme_t{});
    EXPECT_NE(std::find(empty.begin(), empty.end(), "bmp_mask = 0x0"), empty.end());
    EXPECT_NE(std::find(empty.begin(), empty.end(), "snd_move = 0 bytes"), empty.end());
}

TEST(WindowPictures, NameWindowBackgroundShowsTheWindowColourThrough) {
    const QImage background = PaintNameWindowBackground(testing::Fonts());
    EXPECT_EQ(background.size(), QSize(229, 225));
    EXPECT_EQ(background.pixel(114, 100), name_window_transparent);
    EXPECT_NE(background.pixel(2, 2), name_window_transparent);
}

} // namespace
} // namespace tilvora
