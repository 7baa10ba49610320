// tilvora-dict-picture: draws the 253 x 61 picture that the options window shows for a
// dictionary, a title beside a small illustration, and saves it as a BMP file. The drawing
// uses only fixed shapes and the DejaVu font, so the same build machine always writes the
// same bytes.
#include <QtGui/QFont>
#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int kWidth = 253;
constexpr int kHeight = 61;

struct picture_style_t {
    const char* name;
    QColor top;    // background gradient, top edge
    QColor bottom; // background gradient, bottom edge
    void (*draw_illustration)(QPainter&);
};

void DrawTile(QPainter& painter, const QRectF& tile, QChar letter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawRoundedRect(tile.translated(2, 2), 4, 4);
    QLinearGradient face(tile.topLeft(), tile.bottomLeft());
    face.setColorAt(0, QColor(255, 246, 214));
    face.setColorAt(1, QColor(232, 205, 150));
    painter.setBrush(face);
    painter.setPen(QPen(QColor(150, 110, 60), 1));
    painter.drawRoundedRect(tile, 4, 4);
    painter.setPen(QColor(90, 50, 20));
    painter.drawText(tile, Qt::AlignCenter, QString(letter));
}

// Four letter tiles spelling WORD, set like a word on the board.
void DrawLetterTiles(QPainter& painter) {
    QFont font("DejaVu Sans", 1, QFont::Bold);
    font.setPixelSize(18);
    painter.setFont(font);
    const QString word = QStringLiteral("WORD");
    for (int i = 0; i < word.size(); ++i) {
        const double lift = (i % 2) * 4.0;
        DrawTile(painter, QRectF(131 + i * 29, 14 + lift, 26, 28), word[i]);
    }
}

void DrawWheel(QPainter& painter, QPointF centre) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(25, 25, 30));
    painter.drawEllipse(centre, 8.5, 8.5);
    painter.setBrush(QColor(190, 195, 205));
    painter.drawEllipse(centre, 4, 4);
    painter.setBrush(QColor(90, 95, 105));
    painter.drawEllipse(centre, 1.5, 1.5);
}

// A red coupe in side view, heading left, on a road with a dashed centre line.
void DrawCar(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 60, 66));
    painter.drawRect(QRectF(0, 52, kWidth, 9));
    painter.setBrush(QColor(235, 235, 235));
    for (int x = 6; x < kWidth; x += 22) {
        painter.drawRect(QRectF(x, 56, 11, 1.5));
    }

    QPainterPath body;
    body.moveTo(146, 46);
    body.lineTo(146, 35);
    body.quadTo(148, 31, 160, 30);
    body.lineTo(174, 29);
    body.quadTo(182, 17, 196, 16);
    body.lineTo(212, 16);
    body.quadTo(222, 17, 229, 28);
    body.quadTo(243, 30, 244, 37);
    body.lineTo(244, 46);
    body.closeSubpath();
    QLinearGradient paint(0, 16, 0, 46);
    paint.setColorAt(0, QColor(235, 60, 50));
    paint.setColorAt(1, QColor(150, 20, 25));
    painter.setPen(QPen(QColor(90, 10, 15), 1));
    painter.setBrush(paint);
    painter.drawPath(body);

    QPainterPath windows;
    windows.moveTo(180, 29);
    windows.quadTo(186, 20, 196, 19.5);
    windows.lineTo(201, 19.5);
    windows.lineTo(201, 29);
    windows.closeSubpath();
    windows.moveTo(205, 29);
    windows.lineTo(205, 19.5);
    windows.lineTo(211, 19.5);
    windows.quadTo(219, 20.5, 224, 29);
    windows.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(170, 215, 240));
    painter.drawPath(windows);

    painter.setBrush(QColor(255, 230, 120)); // headlight at the long bonnet's end
    painter.drawRect(QRectF(147, 33, 4, 3));
    painter.setBrush(QColor(255, 120, 60));
    painter.drawRect(QRectF(240, 32, 3, 3));
    DrawWheel(painter, QPointF(166, 46));
    DrawWheel(painter, QPointF(224, 46));
}

const picture_style_t kStyles[] = {
    {"tiles", QColor(38, 70, 140), QColor(20, 130, 150), DrawLetterTiles},
    {"car", QColor(250, 170, 70), QColor(205, 80, 90), DrawCar},
};

void DrawTitle(QPainter& painter, const QString& title) {
    QFont font("DejaVu Sans", 1, QFont::Bold);
    font.setPixelSize(24);
    painter.setFont(font);
    const QRectF area(12, 0, 120, kHeight);
    painter.setPen(QColor(0, 0, 0, 110));
    painter.drawText(area.translated(2, 2), Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.setPen(Qt::white);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, title);
}

QImage DrawPicture(const picture_style_t& style, const QString& title) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0, style.top);
    sky.setColorAt(1, style.bottom);
    painter.fillRect(image.rect(), sky);
    style.draw_illustration(painter);
    DrawTitle(painter, title);
    painter.setPen(QPen(style.top.darker(160), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1));
    return image;
}

const picture_style_t* FindStyle(const char* name) {
    for (const picture_style_t& style : kStyles) {
        if (std::strcmp(style.name, name) == 0) {
            return &style;
        }
    }
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: tilvora-dict-picture tiles|car TITLE OUT.bmp\n");
        return 2;
    }
    const picture_style_t* style = FindStyle(argv[1]);
    if (style == nullptr) {
        std::fprintf(stderr, "tilvora-dict-picture: unknown style \"%s\"\n", argv[1]);
        return 2;
    }
    // A build step never shows a window; the offscreen platform needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QImage image = DrawPicture(*style, QString::fromUtf8(argv[2]));
    if (!image.save(QString::fromLocal8Bit(argv[3]), "BMP")) {
        std::fprintf(stderr, "tilvora-dict-picture: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
