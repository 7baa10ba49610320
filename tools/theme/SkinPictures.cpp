#include "SkinPictures.h"

#include "ButtonArt.h"
#include "ThemeLayout.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace tilvora {

namespace {

const QRectF window_rect(0, 0, layout::window_width, layout::window_height);

QPainterPath WindowShape() {
    QPainterPath shape;
    shape.addRoundedRect(window_rect, layout::corner_radius, layout::corner_radius);
    return shape;
}

void PaintSky(QPainter& p) {
    QLinearGradient sky(0, 0, 0, layout::window_height);
    sky.setColorAt(0, QColor(0x2c, 0x2a, 0x5c));
    sky.setColorAt(0.55, QColor(0x1b, 0x1d, 0x40));
    sky.setColorAt(1, QColor(0x12, 0x13, 0x2c));
    p.fillRect(window_rect, sky);
    QRadialGradient bloom(QPointF(150, 20), 420);
    bloom.setColorAt(0, QColor(0x8a, 0x4f, 0xc8, 70));
    bloom.setColorAt(1, QColor(0x8a, 0x4f, 0xc8, 0));
    p.fillRect(window_rect, bloom);
    ArtRandom random(20240101);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 110; ++i) {
        const QPointF at(random.Next() * layout::window_width,
                         random.Next() * layout::window_height);
        const double size = 0.5 + random.Next() * 1.3;
        p.setBrush(QColor(255, 244, 214, static_cast<int>(40 + random.Next() * 120)));
        p.drawEllipse(at, size, size);
    }
}

void PaintFrame(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(layout::gold_dark, 3));
    p.drawRoundedRect(window_rect.adjusted(1.5, 1.5, -1.5, -1.5), layout::corner_radius - 1,
                      layout::corner_radius - 1);
    p.setPen(QPen(QColor(0xf0, 0xc8, 0x70, 150), 1));
    p.drawRoundedRect(window_rect.adjusted(4.5, 4.5, -4.5, -4.5), layout::corner_radius - 4,
                      layout::corner_radius - 4);
}

void PaintTitle(QPainter& p, const theme_fonts_t& fonts) {
    const QFont title_font = PixelFont(fonts.serif, 38);
    QPainterPath title;
    title.addText(QPointF(layout::board.left(), 56), title_font, "Tilvora");
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 140));
    p.drawPath(title.translated(2, 2.5));
    QLinearGradient gilt(0, 22, 0, 58);
    gilt.setColorAt(0, QColor(0xff, 0xf0, 0xb8));
    gilt.setColorAt(0.5, layout::gold);
    gilt.setColorAt(1, QColor(0xb0, 0x74, 0x22));
    p.setBrush(gilt);
    p.setPen(QPen(QColor(0x5a, 0x3a, 0x10), 0.8));
    p.drawPath(title);
    p.setFont(PixelFont(fonts.sans, 12, QFont::Normal));
    p.setPen(layout::label);
    const double after = layout::board.left() + title.boundingRect().width() + 16;
    p.drawText(QPointF(after, 53), "a game of words and paths");
}

void PaintWell(QPainter& p, const QRectF& box, const QColor& fill, double radius) {
    p.setPen(QPen(QColor(0, 0, 0, 120), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(box.translated(0, 1), radius, radius);
    p.setPen(QPen(QColor(0x6a, 0x5a, 0x8a, 160), 1));
    p.setBrush(fill);
    p.drawRoundedRect(box, radius, radius);
}

void PaintBoard(QPainter& p) {
    const QRect& board = layout::board;
    PaintWell(p, QRectF(board).adjusted(-7.5, -7.5, 7.5, 7.5), QColor(0x0d, 0x0f, 0x26), 9);
    p.fillRect(board, layout::board_fill);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(layout::grid_line);
    for (int i = 0; i <= 10; ++i) {
        p.drawLine(board.left(), board.top() + i * layout::cell,
                   board.left() + 10 * layout::cell - 1, board.top() + i * layout::cell);
        p.drawLine(board.left() + i * layout::cell, board.top(), board.left() + i * layout::cell,
                   board.top() + 10 * layout::cell - 1);
    }
    p.setRenderHint(QPainter::Antialiasing);
}

void PaintLabel(QPainter& p, const theme_fonts_t& fonts, int x, int baseline, const QString& text) {
    QFont font = PixelFont(fonts.sans, 11);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.6);
    p.setFont(font);
    p.setPen(layout::label);
    p.drawText(QPointF(x, baseline), text);
}

// Empty slots where letters will stand; the tiles cover them when the painter draws letters.
void PaintSlots(QPainter& p, int left, int top, int count, const QColor& frame) {
    for (int i = 0; i < count; ++i) {
        const QRectF slot(left + i * layout::cell, top, layout::cell, layout::cell);
        p.fillRect(slot, layout::board_fill);
        QColor faint = frame;
        faint.setAlpha(70);
        p.setPen(QPen(faint, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(slot.adjusted(3.5, 3.5, -3.5, -3.5), 4, 4);
    }
}

void PaintDisplay(QPainter& p, int left, int top, int digits) {
    const QRectF box(left - 6.5, top - 5.5, digits * layout::digit_width + 13,
                     layout::digit_height + 11);
    PaintWell(p, box, layout::display_fill, 6);
    p.fillRect(QRect(left, top, digits * layout::digit_width, layout::digit_height),
               layout::display_fill);
}

void PaintSidePanel(QPainter& p, const theme_fonts_t& fonts) {
    PaintWell(p, QRectF(layout::side_panel).adjusted(0.5, 0.5, -0.5, -0.5),
              QColor(0x14, 0x16, 0x34, 225), 12);
    const int left = layout::panel_inner_left;
    PaintLabel(p, fonts, left, layout::words_top - 10, "TARGET WORDS");
    const QRectF words(left - 4, layout::words_top - 4, layout::words_letters * layout::cell + 8,
                       layout::words_rows * (layout::cell + layout::words_pitch) -
                           layout::words_pitch + 8);
    PaintWell(p, words, layout::board_fill, 6);
    for (int row = 0; row < layout::words_rows; ++row)
        PaintSlots(p, left, layout::words_top + row * (layout::cell + layout::words_pitch),
                   layout::words_letters, layout::slot_frame);
    PaintLabel(p, fonts, left, layout::letters_top - 12, "NEXT LETTERS");
    PaintWell(p,
              QRectF(layout::letters_left - 4, layout::letters_top - 4,
                     layout::letters_count * layout::cell + 8, layout::cell + 8),
              layout::board_fill, 6);
    PaintSlots(p, layout::letters_left, layout::letters_top, layout::letters_count,
               layout::letters_frame);
    PaintLabel(p, fonts, layout::scores_left - 4, layout::scores_top - 12, "SCORE");
    PaintLabel(p, fonts, layout::bank_left - 4, layout::bank_top - 12, "NEXT LEVEL");
    PaintDisplay(p, layout::scores_left, layout::scores_top, layout::score_digits);
    PaintDisplay(p, layout::bank_left, layout::bank_top, layout::bank_digits);
}

} // namespace

QImage PaintWindow(ButtonLook look, const theme_fonts_t& fonts) {
    QImage image(layout::window_width, layout::window_height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setClipPath(WindowShape());
    PaintSky(p);
    PaintFrame(p);
    PaintTitle(p, fonts);
    PaintBoard(p);
    PaintSidePanel(p, fonts);
    for (const layout::button_t& button : layout::buttons)
        PaintButton(p, button, look, fonts);
    return image;
}

QImage PaintWindowMask() {
    QImage mask(layout::window_width, layout::window_height, QImage::Format_RGB32);
    mask.fill(Qt::white);
    QPainter p(&mask);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPath(WindowShape());
    p.end();
    return mask.convertToFormat(QImage::Format_Indexed8, {qRgb(0, 0, 0), qRgb(255, 255, 255)});
}

} // namespace tilvora
