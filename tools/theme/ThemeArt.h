// Painting helpers shared by the default theme's pictures: fonts, colour mixing, letter tiles.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <cstdint>

namespace tilvora {

// The families of the two font files the theme is drawn with.
struct theme_fonts_t {
    QString sans;  // letters, digits, labels
    QString serif; // the title
};

QFont PixelFont(const QString& family, int pixel_size, QFont::Weight weight = QFont::Bold);
QColor Mix(const QColor& from, const QColor& to, double amount);
// A rounded ivory tile with its letter; glow from 0 (resting) to 1 lifts and lights it.
void PaintLetterTile(QPainter& painter, const QRectF& cell, QChar letter, double glow,
                     const theme_fonts_t& fonts);

// A small deterministic generator, so every build draws the same stars and sparks.
class ArtRandom {
  public:
    explicit ArtRandom(uint32_t seed) : state(seed) {}
    double Next() {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / double(1u << 24);
    }

  private:
    uint32_t state;
};

} // namespace tilvora
