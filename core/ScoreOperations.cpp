// The Top-10 table of the game core: read, reset, extend and query it. The file is the
// 2048-byte image enciphered whole and is always replaced whole.
#include "QuandelLogic.h"

#include "AtomicFile.h"
#include "DataEnvelope.h"

#include <algorithm>

namespace tilvora {
namespace {

int32_t WriteScoresFile(CRijndael& cipher, const std::list<score_t>& scores,
                        const std::string& path) {
    return WriteFileAtomically(path, EncipherImage(cipher, EncodeScoresImage(scores))) ? 0 : -1;
}

} // namespace

// A missing or foreign file is silently replaced by the default table.
int32_t QuandelLogic::LoadScores(const std::string& path) {
    scores.clear();
    const file_bytes_t file = ReadFileHead(path, kScoresImageSize);
    if (file.status != ReadStatus::ok ||
        !DecodeScoresImage(DecipherImage(cipher, file.bytes), scores)) {
        ResetScores(path);
        return -1;
    }
    return 0;
}

int32_t QuandelLogic::ResetScores(const std::string& path) {
    for (size_t i = 0; i < kScoreTableEntries; ++i) {
        scores.push_back(DefaultScore());
        SortScores(scores);
    }
    return WriteScoresFile(cipher, scores, path);
}

// The new entry joins the list even when the file cannot be written.
int32_t QuandelLogic::AddScore(const std::string& path, const std::string& name) {
    scores.push_back(MakeScore(name, dictionary_name, score, elapsed_ms / 1000));
    SortScores(scores);
    return WriteScoresFile(cipher, scores, path);
}

bool QuandelLogic::IsHighScore() const {
    const auto end = std::next(
        scores.begin(), static_cast<std::ptrdiff_t>(std::min(scores.size(), kScoreTableEntries)));
    return std::any_of(scores.begin(), end, [this](const score_t& s) { return s.score < score; });
}

std::string QuandelLogic::FormatTime(int32_t seconds) const {
    return tilvora::FormatTime(seconds < 0 ? elapsed_ms / 1000 : seconds);
}

} // namespace tilvora
