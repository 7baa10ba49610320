// Feeds arbitrary deciphered images to the dictionary reader and the catalogue's info reader,
// once as they come and once with a sound magic planted at the end so that the description,
// picture and word fields are reached.
#include "ByteImage.h"
#include "DictionaryFile.h"

#include <cstddef>
#include <cstdint>

namespace {

void CheckImage(const std::vector<uint8_t>& plain) {
    std::vector<std::string> words;
    const int32_t result = tilvora::AppendDictionaryWords(plain, words);
    const tilvora::dictionary_info_t info = tilvora::ReadDictionaryInfo(plain);
    if (result == 0 && (tilvora::CheckDictionaryImage(plain) != 0 || info.result != 0)) {
        __builtin_trap(); // a readable dictionary always passes the header check
    }
    for (const std::string& word : words) {
        if (word.size() > tilvora::kMaxWordLength) {
            __builtin_trap();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> plain(data, data + size);
    CheckImage(plain);
    if (plain.size() >= 4) {
        tilvora::PutUint32(plain.data(), static_cast<uint32_t>(plain.size()));
        plain.insert(plain.end(), tilvora::dictionary_magic,
                     tilvora::dictionary_magic + tilvora::kDictionaryMagicSize);
        CheckImage(plain);
    }
    return 0;
}
