// The theme tests draw with fonts, which need a GUI application.
#include "ThemeTestFonts.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QGuiApplication>

namespace tilvora::testing {

namespace {

QString Family(const char* path) {
    const int id = QFontDatabase::addApplicationFont(path);
    return QFontDatabase::applicationFontFamilies(id).value(0);
}

} // namespace

const theme_fonts_t& Fonts() {
    static const theme_fonts_t fonts{Family(TILVORA_SANS_FONT), Family(TILVORA_SERIF_FONT)};
    return fonts;
}

} // namespace tilvora::testing

int main(int argc, char** argv) {
    // Test discovery runs this program without the test environment, and no display exists.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
