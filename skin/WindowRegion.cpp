#include "WindowRegion.h"

#include <vector>

namespace tilvora {

std::optional<QRegion> RegionFromMask(const QImage& picture, QRgb transparent) {
    if (picture.isNull())
        return std::nullopt;
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb cut = transparent & RGB_MASK;
    const int width = image.width();
    // One rectangle per horizontal run; rows of height 1 in x order already form the banded
    // y-x order that QRegion::setRects takes, which is far faster than uniting run by run.
    std::vector<QRect> runs;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int x = 0;
        while (x < width) {
            while (x < width && (row[x] & RGB_MASK) == cut)
                ++x;
            const int start = x;
            while (x < width && (row[x] & RGB_MASK) != cut)
                ++x;
            if (x > start)
                runs.emplace_back(start, y, x - start, 1);
        }
    }
    if (runs.empty())
        return std::nullopt;
    QRegion region;
    region.setRects(runs.data(), static_cast<int>(runs.size()));
    return region;
}

} // namespace tilvora
