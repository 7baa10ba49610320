#include "DataEnvelope.h"

#include "ByteImage.h"

#include <algorithm>

namespace tilvora {

void KeyDataCipher(CRijndael& cipher) {
    cipher.SetKey(reinterpret_cast<const uint8_t*>(data_key),
                  reinterpret_cast<const uint8_t*>(data_chain), 32, 32);
}

std::vector<uint8_t> EncipherImage(CRijndael& cipher, std::vector<uint8_t> image) {
    image.resize(RoundUpPow2(image.size()), 0);
    std::vector<uint8_t> bytes(image.size());
    cipher.Encipher(image.data(), bytes.data(), image.size(), cmFeedback);
    return bytes;
}

std::vector<uint8_t> DecipherImage(CRijndael& cipher, const std::vector<uint8_t>& bytes) {
    std::vector<uint8_t> plain(bytes.size());
    cipher.Decipher(bytes.data(), plain.data(), bytes.size(), cmFeedback);
    return plain;
}

std::string HeaderNameOf(const uint8_t* plain, size_t size) {
    const size_t end = std::min(size, kHeaderBufferSize);
    if (end <= kHeaderNameOffset) {
        return {};
    }
    return TextOfField(plain + kHeaderNameOffset, end - kHeaderNameOffset);
}

std::string ReadHeaderName(CRijndael& cipher, const std::string& path) {
    const file_bytes_t head = ReadFileHead(path, kHeaderBufferSize);
    if (head.status != ReadStatus::ok) {
        return {};
    }
    const std::vector<uint8_t> plain = DecipherImage(cipher, head.bytes);
    return HeaderNameOf(plain.data(), plain.size());
}

} // namespace tilvora
