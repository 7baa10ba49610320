// Dictionary loading for NewGame and the header check of the catalogue. A dictionary file is
// read whole into a buffer rounded up to a power of two and deciphered in one call.
#include "QuandelLogic.h"

#include "DataEnvelope.h"
#include "DictionaryFile.h"

namespace tilvora {

std::string QuandelLogic::ReadHeaderName(const std::string& path) {
    return tilvora::ReadHeaderName(cipher, path);
}

// The word store is emptied once the file has been opened; a cipher error (a file of 16
// bytes or less) propagates from there.
int32_t QuandelLogic::LoadDictionary(const std::string& path) {
    const file_bytes_t file = ReadWholeFile(path, kMaxDictionaryFileSize, BufferRule::round_pow2);
    if (file.status != ReadStatus::ok) {
        return -1;
    }
    words.clear();
    return AppendDictionaryWords(DecipherImage(cipher, file.bytes), words);
}

int32_t QuandelLogic::CheckDictionaryHeader(const std::string& path) {
    const file_bytes_t file = ReadWholeFile(path, kMaxDictionaryFileSize, BufferRule::round_pow2);
    if (file.status != ReadStatus::ok) {
        return -1;
    }
    return CheckDictionaryImage(DecipherImage(cipher, file.bytes));
}

} // namespace tilvora
