#include "WavWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tilvora {

namespace {

void Put(QByteArray& bytes, uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

QByteArray WavBytes(const std::vector<float>& samples, int rate) {
    const auto data_size = static_cast<uint32_t>(samples.size() * 2);
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(44 + data_size));
    bytes.append("RIFF");
    Put(bytes, 36 + data_size, 4);
    bytes.append("WAVEfmt ");
    Put(bytes, 16, 4); // format chunk size
    Put(bytes, 1, 2);  // PCM
    Put(bytes, 1, 2);  // mono
    Put(bytes, static_cast<uint32_t>(rate), 4);
    Put(bytes, static_cast<uint32_t>(rate) * 2, 4); // bytes per second
    Put(bytes, 2, 2);                               // bytes per frame
    Put(bytes, 16, 2);                              // bits per sample
    bytes.append("data");
    Put(bytes, data_size, 4);
    for (float sample : samples) {
        const auto value =
            static_cast<int16_t>(std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767));
        Put(bytes, static_cast<uint16_t>(value), 2);
    }
    return bytes;
}

} // namespace tilvora
