// Feeds arbitrary bytes to the theme package reader: it must report an error or load, and
// never crash, hang or exhaust memory.
#include "ThemePackage.h"
#include "WindowRegion.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const tilvora::theme_t theme = tilvora::LoadThemePackageFromMemory(bytes, "fuzz.tvt");
        tilvora::RegionFromMask(theme.bmp_mask, qRgb(255, 255, 255));
    } catch (const tilvora::ThemePackageError&) {
    }
    return 0;
}
