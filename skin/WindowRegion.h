// The window's shape from a mask picture.
#pragma once

#include <QImage>
#include <QRegion>

#include <optional>

namespace tilvora {

// The union of all pixels whose colour differs exactly from transparent (alpha ignored);
// nullopt for an empty picture or one without such a pixel, which leaves the window whole.
std::optional<QRegion> RegionFromMask(const QImage& picture, QRgb transparent);

} // namespace tilvora
