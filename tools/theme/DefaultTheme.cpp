#include "DefaultTheme.h"

#include "GlyphPictures.h"
#include "SkinPictures.h"
#include "ThemeLayout.h"
#include "ThemeSounds.h"
#include "WavWriter.h"
#include "WindowPictures.h"

#include <QBuffer>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tilvora {

namespace {

QByteArray Encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        throw std::runtime_error(std::string("cannot encode a picture as ") + format);
    return bytes;
}

// A colour as def.ini writes it: 0x00BBGGRR in hexadecimal.
std::string Bgr(const QColor& color) {
    char text[16];
    std::snprintf(text, sizeof text, "$%02X%02X%02X", color.blue(), color.green(), color.red());
    return text;
}

} // namespace

std::string DefaultThemeDescription() {
    using namespace layout;
    std::ostringstream ini;
    ini << "[about]\nname=Tilvora Night\n"
        << "info=The default theme of Tilvora: ivory letter tiles on a night-blue board.\n\n"
        << "[grid]\ncell_width=" << cell << "\ncell_height=" << cell << "\nleft=" << board.left()
        << "\ntop=" << board.top() << "\npen_color=" << Bgr(grid_line)
        << "\nbrush_color=" << Bgr(board_fill) << "\n\n"
        << "[letters]\nleft=" << letters_left << "\ntop=" << letters_top
        << "\npen_color=" << Bgr(letters_frame) << "\nbrush_color=" << Bgr(board_fill) << "\n\n"
        << "[words]\nleft=" << panel_inner_left << "\ntop=" << words_top
        << "\npitch=" << words_pitch << "\norder=0\ncentred=0\npen_color=" << Bgr(slot_frame)
        << "\nbrush_color=" << Bgr(board_fill) << "\n\n"
        << "[scores]\nscores_left=" << scores_left << "\nscores_top=" << scores_top
        << "\nfont_color=" << Bgr(list_text) << "\nback_color=" << Bgr(list_back)
        << "\nbank_left=" << bank_left << "\nbank_top=" << bank_top
        << "\ndigit_width=" << digit_width << "\ndigit_height=" << digit_height << "\n\n"
        << "[sysButtons]\n";
    for (const button_t& button : buttons)
        ini << button.name << "=\n";
    for (const button_t& button : buttons) {
        const QRect& r = button.rect;
        ini << "\n[opt_" << button.name << "]\nx1=" << r.left() << "\ny1=" << r.top()
            << "\nx2=" << r.right() << "\ny2=" << r.bottom() << "\n";
    }
    return ini.str();
}

std::vector<package_member_t> DefaultThemeMembers(const theme_fonts_t& fonts) {
    const std::string description = DefaultThemeDescription();
    return {
        {"def.ini", QByteArray::fromStdString(description)},
        {"mask.bmp", Encoded(PaintWindowMask(), "BMP")},
        {"normal.bmp", Encoded(PaintWindow(ButtonLook::normal, fonts), "BMP")},
        {"over.bmp", Encoded(PaintWindow(ButtonLook::over, fonts), "BMP")},
        {"pressed.bmp", Encoded(PaintWindow(ButtonLook::pressed, fonts), "BMP")},
        {"font.bmp", Encoded(PaintFontPicture(fonts), "BMP")},
        {"digits.bmp", Encoded(PaintDigitsPicture(fonts), "BMP")},
        {"exp.bmp", Encoded(PaintExplosionPicture(), "BMP")},
        {"explosion.wav", WavBytes(ExplosionSound())},
        {"pick.wav", WavBytes(PickSound())},
        {"levelup.wav", WavBytes(LevelUpSound())},
        {"nopath.wav", WavBytes(NoPathSound())},
        {"move.wav", WavBytes(MoveSound())},
        {"butover.wav", WavBytes(ButtonOverSound())},
        {"butdown.wav", WavBytes(ButtonDownSound())},
    };
}

std::vector<package_member_t> DefaultWindowExtras(const theme_fonts_t& fonts) {
    return {
        {"name.bmp", Encoded(PaintNameWindowBackground(fonts), "BMP")},
        {"logo.png", Encoded(PaintLogo(fonts), "PNG")},
        {"music.wav", WavBytes(MusicTrack())},
    };
}

void WriteMembers(const std::filesystem::path& folder,
                  const std::vector<package_member_t>& members) {
    std::filesystem::create_directories(folder);
    for (const package_member_t& member : members) {
        const auto path = folder / member.name;
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(member.bytes.constData(), member.bytes.size());
        if (!file.flush())
            throw std::runtime_error("cannot write \"" + path.string() + "\"");
    }
}

} // namespace tilvora
