// Decoding one theme picture, a BMP held in memory, with a cap on its dimensions.
#pragma once

#include <QByteArray>
#include <QImage>

#include <cstdint>

namespace tilvora {

// An empty member gives an empty picture. Throws ZipError (the problem, for a person) when the
// bytes are no BMP, a side exceeds max_side, the area exceeds max_pixels, or decoding fails.
QImage DecodeThemePicture(const QByteArray& bytes, int max_side, int64_t max_pixels);

} // namespace tilvora
