#include "ButtonArt.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace tilvora {

namespace {

struct plate_colors_t {
    QColor top;
    QColor bottom;
    QColor border;
    QColor text;
};

plate_colors_t PlateColors(std::string_view name, ButtonLook look) {
    switch (look) {
    case ButtonLook::over:
        if (name == "btnExit") // a warmer warning for the one button that ends the game
            return {QColor(0xc0, 0x4a, 0x4a), QColor(0x86, 0x26, 0x30), layout::gold,
                    QColor(0xff, 0xf1, 0xc8)};
        return {QColor(0x5a, 0x5f, 0xb4), QColor(0x37, 0x3b, 0x86), layout::gold,
                QColor(0xff, 0xf1, 0xc8)};
    case ButtonLook::pressed:
        return {QColor(0x1a, 0x1c, 0x40), QColor(0x2c, 0x30, 0x68), layout::gold, layout::gold};
    case ButtonLook::normal:
        break;
    }
    return {QColor(0x3e, 0x42, 0x82), QColor(0x25, 0x28, 0x55), layout::gold_dark,
            QColor(0xe4, 0xdd, 0xc6)};
}

// Icons are drawn in a 16 x 16 box centred on the origin.
void PaintIcon(QPainter& p, std::string_view name) {
    const double pi = std::numbers::pi;
    if (name == "btnNew") {
        QPainterPath star;
        for (int i = 0; i < 8; ++i) {
            const double r = i % 2 == 0 ? 8.0 : 2.6;
            const double a = i * pi / 4 - pi / 2;
            const QPointF point(r * std::cos(a), r * std::sin(a));
            i == 0 ? star.moveTo(point) : star.lineTo(point);
        }
        star.closeSubpath();
        p.setBrush(p.pen().color());
        p.drawPath(star);
    } else if (name == "btnUndo") {
        QPainterPath arc;
        arc.arcMoveTo(QRectF(-7, -6, 14, 13), 150);
        arc.arcTo(QRectF(-7, -6, 14, 13), 150, -250);
        p.drawPath(arc);
        p.setBrush(p.pen().color());
        p.drawPolygon(QPolygonF({QPointF(-8.5, -5), QPointF(-2.5, -3.5), QPointF(-7, 1.5)}));
    } else if (name == "btnSave" || name == "btnLoad") {
        const double tip = name == "btnSave" ? 3.0 : -8.0;
        const double tail = name == "btnSave" ? -8.0 : 3.0;
        p.drawLine(QPointF(0, tail), QPointF(0, tip));
        p.drawPolyline(QPolygonF({QPointF(-4, tip + (tip > tail ? -4 : 4)), QPointF(0, tip),
                                  QPointF(4, tip + (tip > tail ? -4 : 4))}));
        p.drawPolyline(
            QPolygonF({QPointF(-7, 3), QPointF(-7, 7.5), QPointF(7, 7.5), QPointF(7, 3)}));
    } else if (name == "btnScores") {
        QPainterPath cup;
        cup.moveTo(-5.5, -7);
        cup.lineTo(5.5, -7);
        cup.cubicTo(5.5, 0, 2, 1.5, 0, 1.5);
        cup.cubicTo(-2, 1.5, -5.5, 0, -5.5, -7);
        p.setBrush(p.pen().color());
        p.drawPath(cup);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(-9, -6.5, 6, 6), 90 * 16, 180 * 16);
        p.drawArc(QRectF(3, -6.5, 6, 6), 90 * 16, -180 * 16);
        p.drawLine(QPointF(0, 1.5), QPointF(0, 5));
        p.drawLine(QPointF(-4, 6.5), QPointF(4, 6.5));
    } else if (name == "btnOptions") {
        QPainterPath gear;
        for (int i = 0; i < 32; ++i) {
            const double r = (i / 2) % 2 == 0 ? 8.0 : 5.8;
            const double a = (i + 0.5) * pi / 16;
            const QPointF point(r * std::cos(a), r * std::sin(a));
            i == 0 ? gear.moveTo(point) : gear.lineTo(point);
        }
        gear.closeSubpath();
        gear.addEllipse(QPointF(0, 0), 2.6, 2.6);
        gear.setFillRule(Qt::OddEvenFill);
        p.setBrush(p.pen().color());
        p.setPen(Qt::NoPen);
        p.drawPath(gear);
    } else if (name == "btnMinimize") {
        p.drawLine(QPointF(-5, 3), QPointF(5, 3));
    } else if (name == "btnExit") {
        p.drawLine(QPointF(-4.5, -4.5), QPointF(4.5, 4.5));
        p.drawLine(QPointF(-4.5, 4.5), QPointF(4.5, -4.5));
    }
}

void PaintPlate(QPainter& p, const QRectF& plate, ButtonLook look, const plate_colors_t& colors) {
    const double radius = plate.height() < 30 ? 7 : 9;
    if (look == ButtonLook::over) {
        for (int ring = 3; ring >= 1; --ring) {
            QColor glow = layout::gold;
            glow.setAlpha(28 * (4 - ring));
            p.setPen(QPen(glow, ring * 1.5));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(plate.adjusted(-ring * 0.5, -ring * 0.5, ring * 0.5, ring * 0.5),
                              radius + 1, radius + 1);
        }
    }
    QLinearGradient fill(plate.topLeft(), plate.bottomLeft());
    fill.setColorAt(0, colors.top);
    fill.setColorAt(1, colors.bottom);
    p.setBrush(fill);
    p.setPen(QPen(colors.border, 1.4));
    p.drawRoundedRect(plate, radius, radius);
    const QColor sheen =
        look == ButtonLook::pressed ? QColor(0, 0, 0, 90) : QColor(255, 255, 255, 60);
    p.setPen(QPen(sheen, 1));
    p.drawLine(QPointF(plate.left() + radius, plate.top() + 2),
               QPointF(plate.right() - radius, plate.top() + 2));
}

} // namespace

void PaintButton(QPainter& p, const layout::button_t& button, ButtonLook look,
                 const theme_fonts_t& fonts) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // Only the button's rectangle is ever copied from a look, so the glow must stay inside it.
    p.setClipRect(button.rect, Qt::IntersectClip);
    const plate_colors_t colors = PlateColors(button.name, look);
    const QRectF plate = QRectF(button.rect).adjusted(3.5, 3.5, -2.5, -2.5);
    PaintPlate(p, plate, look, colors);

    const double shift = look == ButtonLook::pressed ? 1.0 : 0.0;
    const QFont font = PixelFont(fonts.sans, 13);
    const QString text = QString::fromUtf8(button.label.data(), qsizetype(button.label.size()));
    const double text_width = text.isEmpty() ? 0 : QFontMetricsF(font).horizontalAdvance(text);
    const double icon_width = 16;
    const double gap = text.isEmpty() ? 0 : 7;
    const double left = plate.center().x() - (icon_width + gap + text_width) / 2 + shift;
    const double middle = plate.center().y() + shift;

    p.save();
    p.translate(left + icon_width / 2, middle);
    p.setPen(QPen(colors.text, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    PaintIcon(p, button.name);
    p.restore();

    if (!text.isEmpty()) {
        p.setFont(font);
        p.setPen(QColor(0, 0, 0, 120));
        const QRectF text_box(left + icon_width + gap, plate.top() + shift, text_width + 2,
                              plate.height());
        p.drawText(text_box.translated(0, 1), Qt::AlignLeft | Qt::AlignVCenter, text);
        p.setPen(colors.text);
        p.drawText(text_box, Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    p.restore();
}

} // namespace tilvora
