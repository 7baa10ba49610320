#include "ThemePicture.h"

#include "ZipArchive.h"

#include <QBuffer>
#include <QImageReader>

#include <string>

namespace tilvora {

QImage DecodeThemePicture(const QByteArray& bytes, int max_side, int64_t max_pixels) {
    if (bytes.isEmpty())
        return {};
    if (!bytes.startsWith("BM"))
        throw ZipError("is not a BMP picture");
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setDecideFormatFromContent(false);
    const QSize size = reader.size(); // from the header alone, before anything is allocated
    if (!size.isValid() || size.isEmpty())
        throw ZipError("is not a readable BMP picture");
    if (size.width() > max_side || size.height() > max_side ||
        int64_t{size.width()} * size.height() > max_pixels)
        throw ZipError("is too large (" + std::to_string(size.width()) + " x " +
                       std::to_string(size.height()) + " pixels)");
    QImage image = reader.read();
    if (image.isNull())
        throw ZipError("cannot be decoded: " + reader.errorString().toStdString());
    return image;
}

} // namespace tilvora
