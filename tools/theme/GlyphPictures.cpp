#include "GlyphPictures.h"

#include "ThemeLayout.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace tilvora {

QImage PaintFontPicture(const theme_fonts_t& fonts) {
    const int cell = layout::cell;
    QImage image(8 * cell, 26 * cell, QImage::Format_RGB32);
    image.fill(layout::board_fill);
    QPainter p(&image);
    for (int row = 0; row < 26; ++row) {
        for (int column = 0; column < 8; ++column)
            PaintLetterTile(p, QRectF(column * cell, row * cell, cell, cell), QChar('a' + row),
                            letter_glow[column], fonts);
    }
    return image;
}

QImage PaintDigitsPicture(const theme_fonts_t& fonts) {
    const int width = layout::digit_width;
    const int height = layout::digit_height;
    QImage image(10 * width, height, QImage::Format_RGB32);
    image.fill(layout::display_fill);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(PixelFont(fonts.sans, 25));
    for (int digit = 0; digit < 10; ++digit) {
        const QRectF box(digit * width, 0, width, height);
        p.setClipRect(box);
        QColor ghost = layout::amber;
        ghost.setAlpha(22);
        p.setPen(ghost);
        p.drawText(box, Qt::AlignCenter, "8");
        QColor glow = layout::amber;
        glow.setAlpha(45);
        p.setPen(glow);
        for (const QPointF offset : {QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1)})
            p.drawText(box.translated(offset), Qt::AlignCenter, QString::number(digit));
        p.setPen(layout::amber);
        p.drawText(box, Qt::AlignCenter, QString::number(digit));
    }
    return image;
}

namespace {

QColor WithAlpha(QColor color, double alpha) {
    color.setAlphaF(std::clamp(alpha, 0.0, 1.0));
    return color;
}

void PaintBurst(QPainter& p, const QPointF& centre, double t) {
    // A hot core that swells and fades, a shock ring, then smoke.
    const double core = 4 + 11 * std::sin(std::min(t * 1.6, 1.0) * std::numbers::pi / 2);
    QRadialGradient fire(centre, core);
    fire.setColorAt(0, WithAlpha(QColor(255, 255, 235), 1 - t * 1.2));
    fire.setColorAt(0.35, WithAlpha(QColor(255, 214, 90), 1 - t));
    fire.setColorAt(0.7, WithAlpha(QColor(240, 110, 40), 0.9 - t));
    fire.setColorAt(1, WithAlpha(QColor(180, 40, 30), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(fire);
    p.drawEllipse(centre, core, core);
    if (t > 0.05 && t < 0.75) {
        const double ring = 6 + 14 * t;
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(WithAlpha(QColor(255, 200, 120), 0.8 * (1 - t / 0.75)), 2.0 - t));
        p.drawEllipse(centre, ring, ring);
    }
    if (t > 0.4) {
        const double smoke = 9 + 6 * t;
        QRadialGradient cloud(centre, smoke);
        cloud.setColorAt(0, WithAlpha(QColor(120, 110, 140), 0.5 * (1 - t)));
        cloud.setColorAt(1, WithAlpha(QColor(120, 110, 140), 0));
        p.setPen(Qt::NoPen);
        p.setBrush(cloud);
        p.drawEllipse(centre, smoke, smoke);
    }
}

// Jagged flame rays for the first half of the burst.
void PaintRays(QPainter& p, const QPointF& centre, double t) {
    if (t >= 0.6)
        return;
    QPainterPath rays;
    const int points = 22;
    for (int i = 0; i < points; ++i) {
        const double reach =
            i % 2 == 0 ? 7 + 17 * std::sqrt(t / 0.6) * (i % 4 == 0 ? 1.0 : 0.75) : 3 + 6 * t;
        const double angle = i * 2 * std::numbers::pi / points + t;
        const QPointF point = centre + QPointF(std::cos(angle), std::sin(angle)) * reach;
        i == 0 ? rays.moveTo(point) : rays.lineTo(point);
    }
    rays.closeSubpath();
    QRadialGradient flame(centre, 22);
    flame.setColorAt(0, WithAlpha(QColor(255, 240, 170), 1 - t / 0.6));
    flame.setColorAt(0.6, WithAlpha(QColor(255, 140, 40), 0.9 * (1 - t / 0.6)));
    flame.setColorAt(1, WithAlpha(QColor(200, 50, 20), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(flame);
    p.drawPath(rays);
}

void PaintSparks(QPainter& p, const QPointF& centre, double t) {
    ArtRandom random(7);
    for (int i = 0; i < 14; ++i) {
        const double angle = (i + random.Next() * 0.6) * 2 * std::numbers::pi / 14;
        const double speed = 0.7 + random.Next() * 0.5;
        const double distance = 3 + 17 * speed * std::sqrt(t);
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * distance;
        const double size = std::max(0.4, 1.8 * (1 - t));
        p.setPen(Qt::NoPen);
        p.setBrush(WithAlpha(QColor(255, 236, 160), 1.1 - t));
        p.drawEllipse(at, size, size);
    }
}

} // namespace

QImage PaintExplosionPicture() {
    const int cell = layout::cell;
    QImage image(explosion_frames * cell, cell, QImage::Format_RGB32);
    image.fill(layout::board_fill);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int frame = 0; frame < explosion_frames; ++frame) {
        const double t = frame / double(explosion_frames - 1);
        p.setClipRect(QRect(frame * cell, 0, cell, cell));
        const QPointF centre(frame * cell + cell / 2.0, cell / 2.0);
        PaintRays(p, centre, t);
        PaintBurst(p, centre, t);
        PaintSparks(p, centre, t);
    }
    return image;
}

} // namespace tilvora
