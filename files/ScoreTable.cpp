#include "ScoreTable.h"

#include "ByteImage.h"

#include <cstring>
#include <string_view>

namespace tilvora {

score_t MakeScore(const std::string& name, const std::string& dictionary, int32_t score,
                  int32_t time) {
    score_t entry{};
    PutTextField(reinterpret_cast<uint8_t*>(entry.name), sizeof entry.name, name);
    PutTextField(reinterpret_cast<uint8_t*>(entry.dictionary), sizeof entry.dictionary, dictionary);
    entry.score = score;
    entry.time = time;
    return entry;
}

score_t DefaultScore() {
    return MakeScore("anonymous", "Cars", 10, 120);
}

std::string NameOf(const score_t& entry) {
    return TextOfField(reinterpret_cast<const uint8_t*>(entry.name), sizeof entry.name);
}

std::string DictionaryOf(const score_t& entry) {
    return TextOfField(reinterpret_cast<const uint8_t*>(entry.dictionary), sizeof entry.dictionary);
}

void EncodeScore(const score_t& entry, uint8_t* out) {
    std::memcpy(out, entry.name, sizeof entry.name);
    std::memcpy(out + 32, entry.dictionary, sizeof entry.dictionary);
    PutInt32(out + 160, entry.score);
    PutInt32(out + 164, entry.time);
}

score_t DecodeScore(const uint8_t* in) {
    score_t entry{};
    std::memcpy(entry.name, in, sizeof entry.name);
    std::memcpy(entry.dictionary, in + 32, sizeof entry.dictionary);
    entry.score = GetInt32(in + 160);
    entry.time = GetInt32(in + 164);
    return entry;
}

std::vector<uint8_t> EncodeScoresImage(const std::list<score_t>& scores) {
    std::vector<uint8_t> image(kScoresImageSize, 0);
    size_t at = 0;
    for (auto it = scores.begin(); it != scores.end() && at < kScoresMagicOffset; ++it) {
        EncodeScore(*it, image.data() + at);
        at += kScoreEntrySize;
    }
    std::memcpy(image.data() + at, scores_magic, sizeof scores_magic);
    return image;
}

bool DecodeScoresImage(const std::vector<uint8_t>& plain, std::list<score_t>& scores) {
    if (plain.size() < kScoresImageSize ||
        std::memcmp(plain.data() + kScoresMagicOffset, scores_magic, sizeof scores_magic) != 0) {
        return false;
    }
    for (size_t at = 0; at < kScoresMagicOffset; at += kScoreEntrySize) {
        scores.push_back(DecodeScore(plain.data() + at));
    }
    return true;
}

void SortScores(std::list<score_t>& scores) {
    scores.sort([](const score_t& a, const score_t& b) { return a.score > b.score; });
}

namespace {

void AppendTwoDigits(std::string& text, int32_t value) {
    if (value < 10) {
        text += '0';
    }
    text += std::to_string(value);
}

} // namespace

// Integer division truncates; a negative time (only a crafted saved game holds one) shows its
// negative parts as they come, each behind the "0" of a value below 10.
std::string FormatTime(int32_t seconds) {
    const int32_t days = seconds / 86400;
    std::string text = days > 0 ? std::to_string(days) + ":" : std::string();
    AppendTwoDigits(text, seconds % 86400 / 3600);
    text += ':';
    AppendTwoDigits(text, seconds % 3600 / 60);
    text += ':';
    AppendTwoDigits(text, seconds % 60);
    return text;
}

} // namespace tilvora
