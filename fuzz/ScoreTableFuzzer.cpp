// Feeds arbitrary deciphered images to the Top-10 reader, once as they come and once with the
// magic planted at 1680; every text read stops at the end of its field, and a table read and
// written again keeps its entries' bytes.
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
    const std::vector<uint8_t> written = tilvora::EncodeScoresImage(scores);
    if (written.size() != tilvora::kScoresImageSize ||
        std::memcmp(written.data(), plain.data(), tilvora::kScoresMagicOffset) != 0) {
        __builtin_trap();
    }
    tilvora::SortScores(scores);
    for (const tilvora::score_t& entry : scores) {
        if (tilvora::NameOf(entry).size() > sizeof entry.name ||
            tilvora::DictionaryOf(entry).size() > sizeof entry.dictionary ||
            tilvora::FormatTime(entry.time).empty()) {
            __builtin_trap();
        }
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
