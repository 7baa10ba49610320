#include "WindowPictures.h"

#include "ThemeLayout.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace tilvora {

namespace {

void PaintStar(QPainter& p, const QPointF& centre, double radius, const QColor& color) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? radius : radius * 0.42;
        const double a = i * std::numbers::pi / 5 - std::numbers::pi / 2;
        const QPointF point = centre + QPointF(r * std::cos(a), r * std::sin(a));
        i == 0 ? star.moveTo(point) : star.lineTo(point);
    }
    star.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(star);
}

} // namespace

QImage PaintNameWindowBackground(const theme_fonts_t& fonts) {
    QImage image(229, 225, QImage::Format_RGB32);
    image.fill(name_window_transparent);
    QPainter p(&image);
    // Hard edges only: a blended edge would leave pink fringes around the transparent part.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(layout::gold_dark, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(2, 2, 224, 220));
    p.setPen(QPen(layout::gold, 1));
    p.drawRect(QRect(6, 6, 216, 212));
    for (const QPointF corner :
         {QPointF(14, 14), QPointF(214, 14), QPointF(14, 210), QPointF(214, 210)})
        PaintStar(p, corner, 7, layout::gold);
    const QString word = "WINNER";
    const double tile = 22;
    const double left = (229 - word.size() * tile) / 2;
    for (int i = 0; i < word.size(); ++i) {
        const QRectF cell(left + i * tile, 194, tile, tile);
        p.fillRect(cell, layout::list_back); // the window colour the default theme sets
        PaintLetterTile(p, cell, word[i], i % 2 == 0 ? 0.0 : 0.4, fonts);
    }
    return image;
}

QImage PaintLogo(const theme_fonts_t& fonts) {
    QImage image(128, 128, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient halo(QPointF(64, 64), 62);
    halo.setColorAt(0, QColor(0xff, 0xd6, 0x5c, 150));
    halo.setColorAt(1, QColor(0xff, 0xd6, 0x5c, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(QPointF(64, 64), 62, 62);
    const auto tile = [&](QPointF centre, double angle, double scale, QChar letter, double glow) {
        p.save();
        p.translate(centre);
        p.rotate(angle);
        p.scale(scale, scale);
        PaintLetterTile(p, QRectF(-16, -16, 32, 32), letter, glow, fonts);
        p.restore();
    };
    tile(QPointF(30, 80), -16, 1.5, 'w', 0.0);
    tile(QPointF(98, 80), 16, 1.5, 'd', 0.0);
    tile(QPointF(64, 60), 0, 2.1, 't', 0.8);
    PaintStar(p, QPointF(104, 22), 9, QColor(0xff, 0xf0, 0xb8));
    PaintStar(p, QPointF(22, 26), 5, QColor(0xff, 0xf0, 0xb8));
    return image;
}

} // namespace tilvora
