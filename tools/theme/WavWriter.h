// Writes mono 16-bit PCM WAV files from samples in -1 to 1.
#pragma once

#include <QByteArray>

#include <vector>

namespace tilvora {

inline constexpr int sound_rate = 22050;

QByteArray WavBytes(const std::vector<float>& samples, int rate = sound_rate);

} // namespace tilvora
