#include "ThemeArt.h"

#include "ThemeLayout.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace tilvora {

QFont PixelFont(const QString& family, int pixel_size, QFont::Weight weight) {
    QFont font(family);
    font.setPixelSize(pixel_size);
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QColor Mix(const QColor& from, const QColor& to, double amount) {
    const double t = std::clamp(amount, 0.0, 1.0);
    const auto channel = [t](int a, int b) { return static_cast<int>(a + (b - a) * t + 0.5); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()), channel(from.alpha(), to.alpha()));
}

void PaintLetterTile(QPainter& painter, const QRectF& cell, QChar letter, double glow,
                     const theme_fonts_t& fonts) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(cell);
    const QColor hot(0xff, 0xd6, 0x5c);
    if (glow > 0) {
        QRadialGradient halo(cell.center(), cell.width() * 0.62);
        QColor inner = hot;
        inner.setAlphaF(0.85 * glow);
        QColor outer = hot;
        outer.setAlpha(0);
        halo.setColorAt(0.55, inner);
        halo.setColorAt(1.0, outer);
        painter.fillRect(cell, halo);
    }
    const double lift = 2.0 * glow;
    const QRectF tile = cell.adjusted(2.5, 2.5 - lift, -2.5, -3.0 - lift);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 110));
    painter.drawRoundedRect(tile.translated(0, 1.5 + lift * 0.5), 5, 5);

    QLinearGradient face(tile.topLeft(), tile.bottomLeft());
    face.setColorAt(0, Mix(layout::ivory, QColor(0xff, 0xf6, 0xcc), glow));
    face.setColorAt(1, Mix(QColor(0xdb, 0xc7, 0x9c), QColor(0xf2, 0xb6, 0x3c), glow));
    painter.setBrush(face);
    painter.setPen(QPen(Mix(QColor(0x8e, 0x78, 0x52), layout::gold_dark, glow), 1));
    painter.drawRoundedRect(tile, 5, 5);
    painter.setPen(QPen(QColor(255, 255, 255, 150), 1));
    painter.drawLine(QPointF(tile.left() + 4, tile.top() + 1.5),
                     QPointF(tile.right() - 4, tile.top() + 1.5));

    painter.setFont(PixelFont(fonts.sans, 19));
    painter.setPen(Mix(layout::ink, QColor(0x7a, 0x1c, 0x04), glow));
    painter.drawText(tile.adjusted(0, 0, 0, -1), Qt::AlignCenter, QString(letter.toUpper()));
    painter.restore();
}

} // namespace tilvora
