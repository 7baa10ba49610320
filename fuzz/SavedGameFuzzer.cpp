// Feeds arbitrary deciphered images to the saved-game reader, once as they come and once
// behind a zero board so that short inputs reach the count, texts and numbers. A sound read
// re-encodes to the same bytes.
#include "SavedGame.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

void CheckImage(const std::vector<uint8_t>& plain) {
    const tilvora::saved_game_read_t read = tilvora::DecodeSavedGame(plain);
    if (read.Reached(tilvora::SaveField::magic)) {
        const std::vector<uint8_t> again = tilvora::EncodeSavedGame(read.game);
        if (again.size() > plain.size() ||
            !std::equal(again.begin() + tilvora::kSaveBoardOffset, again.end(),
                        plain.begin() + tilvora::kSaveBoardOffset)) {
            __builtin_trap();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> plain(data, data + size);
    CheckImage(plain);
    plain.insert(plain.begin(), tilvora::kSaveTargetCountOffset, 0);
    CheckImage(plain);
    return 0;
}
