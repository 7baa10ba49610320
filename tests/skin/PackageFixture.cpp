#include "PackageFixture.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QBuffer>
#include <QFile>

#include <atomic>

namespace tilvora::testing {

QByteArray BmpBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

QImage SolidPicture(int width, int height, QColor color) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

QByteArray BmpHeader(int32_t width, int32_t height) {
    QByteArray header(54, '\0');
    const auto put32 = [&](int offset, uint32_t value) {
        for (int i = 0; i < 4; ++i)
            header[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    header[0] = 'B';
    header[1] = 'M';
    put32(2, 54);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    header[26] = 1;  // planes
    header[28] = 24; // bits per pixel
    return header;
}

QByteArray PackageBytes(const std::vector<package_member_t>& members) {
    // Test programs run side by side and all build their packages at start-up: the process
    // id keeps their scratch files apart.
    static std::atomic<int> counter = 0;
    const std::string path = ::testing::TempDir() + "tilvora_fixture_" +
                             std::to_string(getpid()) + "_" + std::to_string(counter++) + ".zip";
    WritePackage(path, members);
    QFile file(QString::fromStdString(path));
    file.open(QIODevice::ReadOnly);
    QByteArray bytes = file.readAll();
    file.remove();
    return bytes;
}

} // namespace tilvora::testing
