#include "ThemeCheck.h"

#include "SoundCheck.h"
#include "ThemePackage.h"
#include "ZipArchive.h"

#include <QRect>

#include <algorithm>
#include <array>

namespace tilvora {

namespace {

using problems_t = std::vector<std::string>;

constexpr std::array<std::string_view, 8> command_buttons{
    "btnNew", "btnUndo", "btnSave", "btnLoad", "btnScores", "btnOptions", "btnMinimize", "btnExit"};

std::string Size(const QImage& image) {
    return std::to_string(image.width()) + "x" + std::to_string(image.height());
}

void CheckMembers(const std::string& path, problems_t& problems) {
    const ZipArchive archive = ZipArchive::Open(path);
    std::vector<std::string_view> members{theme_description_member};
    for (const theme_picture_t& picture : theme_pictures)
        members.push_back(picture.member);
    for (const theme_sound_t& sound : theme_sounds)
        members.push_back(sound.member);
    for (std::string_view member : members) {
        if (!archive.FindRootMember(member))
            problems.push_back("missing member " + std::string(member));
    }
}

void CheckPictures(const theme_t& theme, problems_t& problems) {
    for (const QImage theme_t::*look :
         {&theme_t::bmp_mask, &theme_t::bmp_over, &theme_t::bmp_pressed}) {
        const QImage& image = theme.*look;
        const auto& picture = *std::find_if(theme_pictures.begin(), theme_pictures.end(),
                                            [&](const auto& p) { return p.image == look; });
        if (!image.isNull() && image.size() != theme.bmp_normal.size())
            problems.push_back(std::string(picture.member) + " is " + Size(image) +
                               " but normal.bmp is " + Size(theme.bmp_normal));
    }
    // Sizes in 64 bits: a hostile def.ini must not wrap them into something that fits.
    const int64_t font_width = std::max<int64_t>(7 * 32, 8 * int64_t{theme.cell_width});
    const int64_t font_height = std::max<int64_t>(26 * 32, 26 * int64_t{theme.cell_height});
    if (theme.bmp_font.width() < font_width || theme.bmp_font.height() < font_height)
        problems.push_back("font.bmp is " + Size(theme.bmp_font) + ", too small for 26 rows of " +
                           "letter tiles (at least " + std::to_string(font_width) + "x" +
                           std::to_string(font_height) + ")");
    if (theme.bmp_exp.width() < 15 * 32 || theme.bmp_exp.height() < 32)
        problems.push_back("exp.bmp is " + Size(theme.bmp_exp) +
                           ", shorter than 15 explosion frames of 32x32 (480x32)");
    if (theme.bmp_digits.width() < 10 * int64_t{theme.digit_width} ||
        theme.bmp_digits.height() < theme.digit_height)
        problems.push_back("digits.bmp is " + Size(theme.bmp_digits) + ", too small for ten " +
                           "digits of " + std::to_string(theme.digit_width) + "x" +
                           std::to_string(theme.digit_height));
}

void CheckButtons(const theme_t& theme, problems_t& problems) {
    const QRect window(QPoint(0, 0), theme.bmp_normal.size());
    const auto& buttons = theme.skin_buttons;
    for (std::string_view command : command_buttons) {
        if (std::none_of(buttons.begin(), buttons.end(),
                         [&](const auto& b) { return b.first == command; }))
            problems.push_back("no button " + std::string(command) + " in sysButtons");
    }
    const auto rect = [](const skin_button_t& b) {
        return QRect(QPoint(b.x1, b.y1), QPoint(b.x2, b.y2));
    };
    for (size_t i = 0; i < buttons.size(); ++i) {
        const QRect r = rect(buttons[i].second);
        if (!r.isValid() || !window.contains(r))
            problems.push_back("button " + buttons[i].first + " lies outside the window");
        for (size_t j = i + 1; j < buttons.size(); ++j) {
            if (r.intersects(rect(buttons[j].second)))
                problems.push_back("buttons " + buttons[i].first + " and " + buttons[j].first +
                                   " overlap");
        }
    }
}

void CheckLayout(const theme_t& theme, problems_t& problems) {
    const QRect window(QPoint(0, 0), theme.bmp_normal.size());
    if (theme.cell_width < 1 || theme.cell_height < 1)
        problems.push_back("cells of " + std::to_string(theme.cell_width) + "x" +
                           std::to_string(theme.cell_height) + " pixels");
    // The board's real extent: grid_right and grid_bottom wrap at 32 bits.
    const auto fits = [](int64_t start, int64_t length, int64_t room) {
        return start >= 0 && length > 0 && start + length <= room;
    };
    if (!fits(theme.grid_left, 10 * int64_t{theme.cell_width}, window.width()) ||
        !fits(theme.grid_top, 10 * int64_t{theme.cell_height}, window.height()))
        problems.push_back("the board (" + std::to_string(theme.grid_left) + " " +
                           std::to_string(theme.grid_top) + " " + std::to_string(theme.grid_right) +
                           " " + std::to_string(theme.grid_bottom) + ") does not fit the window " +
                           Size(theme.bmp_normal));
    const auto digits_fit = [&](int32_t left, int32_t top, int count) {
        return fits(left, count * int64_t{theme.digit_width}, window.width()) &&
               fits(top, theme.digit_height, window.height());
    };
    if (!digits_fit(theme.scores_left, theme.scores_top, 8))
        problems.push_back("the 8 score digits do not fit the window");
    if (!digits_fit(theme.bank_left, theme.bank_top, 4))
        problems.push_back("the 4 digits of the points needed do not fit the window");
}

void CheckSounds(const theme_t& theme, problems_t& problems) {
    for (const theme_sound_t& sound : theme_sounds) {
        const QByteArray& bytes = theme.*sound.bytes;
        if (!bytes.isEmpty() && !SoundDecodes(bytes))
            problems.push_back(std::string(sound.member) + " does not decode as a sound");
    }
}

} // namespace

std::vector<std::string> CheckThemePackage(const std::string& path) {
    theme_t theme;
    try {
        theme = LoadThemePackage(path);
    } catch (const ThemePackageError& error) {
        return {error.what()};
    }
    problems_t problems;
    CheckMembers(path, problems);
    CheckPictures(theme, problems);
    CheckButtons(theme, problems);
    CheckLayout(theme, problems);
    CheckSounds(theme, problems);
    return problems;
}

} // namespace tilvora
