#include "ThemePackage.h"

#include "IniFile.h"
#include "ThemeDescription.h"
#include "ThemePicture.h"
#include "ZipArchive.h"

#include <new>

namespace tilvora {

namespace {

// The bytes of a root member, empty when the package has none.
QByteArray ReadOptionalMember(const ZipArchive& archive, std::string_view member,
                              uint64_t max_bytes) {
    const auto index = archive.FindRootMember(member);
    if (!index)
        return {};
    try {
        return archive.ReadMember(*index, max_bytes);
    } catch (const ZipError& error) {
        throw ZipError(std::string(member) + " " + error.what());
    }
}

void ReadPictures(const ZipArchive& archive, theme_t& theme) {
    int64_t pixels_left = max_theme_pixels;
    for (const theme_picture_t& picture : theme_pictures) {
        const QByteArray bytes = ReadOptionalMember(archive, picture.member, max_picture_bytes);
        try {
            theme.*picture.image = DecodeThemePicture(bytes, max_picture_side, pixels_left);
        } catch (const ZipError& error) {
            throw ZipError(std::string(picture.member) + " " + error.what());
        }
        const QImage& image = theme.*picture.image;
        pixels_left -= int64_t{image.width()} * image.height();
    }
}

theme_t ReadTheme(const ZipArchive& archive) {
    theme_t theme;
    const QByteArray description =
        ReadOptionalMember(archive, theme_description_member, max_description_bytes);
    const IniFile ini = IniFile::Parse(
        std::string_view(description.constData(), static_cast<size_t>(description.size())));
    ReadThemeDescription(ini, theme);
    ReadPictures(archive, theme);
    ReadSkinButtons(ini, theme);
    for (const theme_sound_t& sound : theme_sounds)
        theme.*sound.bytes = ReadOptionalMember(archive, sound.member, max_sound_bytes);
    return theme;
}

template <typename OpenArchive>
theme_t LoadNamed(const std::string& package_name, OpenArchive open) {
    const auto failure = [&](const std::string& problem) {
        return ThemePackageError("Theme package \"" + package_name + "\": " + problem);
    };
    try {
        return ReadTheme(open());
    } catch (const ZipError& error) {
        throw failure(error.what());
    } catch (const std::bad_alloc&) {
        throw failure("is too large to load");
    }
}

} // namespace

theme_t LoadThemePackage(const std::string& path) {
    return LoadNamed(path, [&] { return ZipArchive::Open(path); });
}

theme_t LoadThemePackageFromMemory(const QByteArray& bytes, const std::string& package_name) {
    return LoadNamed(package_name, [&] { return ZipArchive::OpenMemory(bytes); });
}

} // namespace tilvora
