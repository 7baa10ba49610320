// Feeds arbitrary deciphered images to the Top-10 reader, once as they come and once with the
// magic planted at 1680; every text read ends in its field.
#include "ScoreTable.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

void CheckImage(const std::vector<uint8_t>& plain) {
    std::list<tilvora::score_t> scores;
    if (!tilvora::DecodeScoresImage(plain, scores)) {
        return;
    }
    tilvora::SortScores(scores);
    for (const tilvora::score_t& entry : scores) {
        if (std::strlen(entry.name) >= sizeof entry.name ||
            std::strlen(entry.dictionary) >= sizeof entry.dictionary ||
            tilvora::FormatTime(entry.time).empty()) {
            __builtin_trap();
        }
    }
    if (tilvora::EncodeScoresImage(scores).size() != tilvora::kScoresImageSize) {
        __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> plain(data, data + size);
    CheckImage(plain);
    plain.resize(std::max(plain.size(), tilvora::kScoresImageSize), 0);
    std::memcpy(plain.data() + tilvora::kScoresMagicOffset, tilvora::scores_magic,
                sizeof tilvora::scores_magic);
    CheckImage(plain);
    return 0;
}
