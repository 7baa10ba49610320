#include "WindowRegion.h"

#include <vector>

namespace tilvora {

namespace {

// Which pixels of each row belong to the window, without converting the whole picture:
// an indexed picture is tested through its colour table.
class MaskRows {
  public:
    MaskRows(const QImage& picture, QRgb transparent) : cut(transparent & RGB_MASK) {
        if (picture.format() == QImage::Format_Indexed8) {
            image = picture;
            for (QRgb color : picture.colorTable())
                index_kept.push_back((color & RGB_MASK) != cut);
            // An index beyond the table is black, as QImage reads and draws it.
            index_kept.resize(256, cut != 0);
        } else {
            image = picture.convertToFormat(QImage::Format_RGB32);
        }
    }
    bool Kept(int x, int y) const {
        if (!index_kept.empty())
            return index_kept[image.constScanLine(y)[x]];
        return (reinterpret_cast<const QRgb*>(image.constScanLine(y))[x] & RGB_MASK) != cut;
    }

  private:
    QRgb cut;
    QImage image;
    std::vector<bool> index_kept;
};

} // namespace

std::optional<QRegion> RegionFromMask(const QImage& picture, QRgb transparent) {
    if (picture.isNull())
        return std::nullopt;
    const MaskRows mask(picture, transparent);
    const int width = picture.width();
    // One rectangle per horizontal run; rows of height 1 in x order already form the banded
    // y-x order that QRegion::setRects takes, which is far faster than uniting run by run.
    std::vector<QRect> runs;
    for (int y = 0; y < picture.height(); ++y) {
        int x = 0;
        while (x < width) {
            while (x < width && !mask.Kept(x, y))
                ++x;
            const int start = x;
            while (x < width && mask.Kept(x, y))
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
