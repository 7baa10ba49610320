#include "WindowRegion.h"

#include <gtest/gtest.h>

namespace tilvora {
namespace {

const QRgb white = qRgb(255, 255, 255);

TEST(RegionFromMask, CutsAwayExactlyTheTransparentColour) {
    QImage mask(8, 4, QImage::Format_RGB32);
    mask.fill(Qt::black);
    mask.setPixel(0, 0, white);
    mask.setPixel(7, 0, white);
    mask.setPixel(3, 0, qRgb(254, 255, 255)); // near white belongs to the window
    mask.setPixel(4, 2, white);
    const auto region = RegionFromMask(mask, white);
    ASSERT_TRUE(region);
    EXPECT_EQ(region->boundingRect(), QRect(0, 0, 8, 4));
    for (const QPoint cut : {QPoint(0, 0), QPoint(7, 0), QPoint(4, 2)})
        EXPECT_FALSE(region->contains(cut)) << cut.x() << "," << cut.y();
    for (const QPoint kept : {QPoint(1, 0), QPoint(3, 0), QPoint(6, 0), QPoint(3, 2), QPoint(5, 2),
                              QPoint(0, 3), QPoint(7, 3)})
        EXPECT_TRUE(region->contains(kept)) << kept.x() << "," << kept.y();
}

TEST(RegionFromMask, AnyTransparentColourAnyPictureFormat) {
    QImage mask(3, 1, QImage::Format_Indexed8);
    mask.setColorTable({qRgb(255, 0, 255), qRgb(10, 20, 30)});
    mask.setPixel(0, 0, 0);
    mask.setPixel(1, 0, 1);
    mask.setPixel(2, 0, 0);
    const auto region = RegionFromMask(mask, qRgb(255, 0, 255));
    ASSERT_TRUE(region);
    EXPECT_EQ(*region, QRegion(1, 0, 1, 1));
}

TEST(RegionFromMask, AnIndexBeyondTheColourTableIsBlack) {
    // A BMP may use indices its colour table lacks; QImage reads and draws them black.
    QImage mask(2, 1, QImage::Format_Indexed8);
    mask.setColorTable({white});
    mask.bits()[0] = 0;
    mask.bits()[1] = 7;
    EXPECT_EQ(RegionFromMask(mask, white), QRegion(1, 0, 1, 1));
    EXPECT_EQ(RegionFromMask(mask, qRgb(0, 0, 0)), QRegion(0, 0, 1, 1));
}

TEST(RegionFromMask, NoRegionForAnAllWhiteOrEmptyPicture) {
    QImage all_white(16, 16, QImage::Format_RGB32);
    all_white.fill(white);
    EXPECT_FALSE(RegionFromMask(all_white, white));
    EXPECT_FALSE(RegionFromMask(QImage(), white));
}

} // namespace
} // namespace tilvora
