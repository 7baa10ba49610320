// Builds small theme packages for the reader's tests.
#pragma once

#include "PackageWriter.h"

#include <QByteArray>
#include <QColor>
#include <QImage>

#include <string>
#include <vector>

namespace tilvora::testing {

QByteArray BmpBytes(const QImage& image);
QImage SolidPicture(int width, int height, QColor color);
// A BMP header that states the given size and carries no pixels.
QByteArray BmpHeader(int32_t width, int32_t height);
// The bytes of a ZIP archive holding the members.
QByteArray PackageBytes(const std::vector<package_member_t>& members);

} // namespace tilvora::testing
