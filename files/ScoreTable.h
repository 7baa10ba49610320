// The Top-10 table: one entry's byte layout, the 2048-byte plain image, ranking and the
// display of play times.
//
// Plain image: entries 1 to 10 at 168-byte steps, the magic text at 1680, padding to 2048.
#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <string>
#include <vector>

namespace tilvora {

// One Top-10 entry, 168 bytes: texts are zero-terminated inside their fields.
struct score_t {
    char name[32];
    char dictionary[128];
    int32_t score;
    int32_t time; // play time in whole seconds
};
static_assert(sizeof(score_t) == 168);

inline constexpr char scores_magic[] = "quandel_logic_scores_v1";
constexpr size_t kScoreEntrySize = 168;
constexpr size_t kScoreTableEntries = 10;
constexpr size_t kScoresMagicOffset = kScoreEntrySize * kScoreTableEntries; // 1680
constexpr size_t kScoresImageSize = 2048;

// An entry with both texts cut to their fields (31 and 127 bytes) and zero bytes after them.
score_t MakeScore(const std::string& name, const std::string& dictionary, int32_t score,
                  int32_t time);
// "anonymous", "Cars", 10 points, 120 seconds.
score_t DefaultScore();

std::string NameOf(const score_t& entry);
std::string DictionaryOf(const score_t& entry);

void EncodeScore(const score_t& entry, uint8_t* out);
// The fields are kept byte for byte, so a table read and written again is unchanged; their
// texts are read only up to the end of the field (NameOf, DictionaryOf).
score_t DecodeScore(const uint8_t* in);

// Plain image: the first 10 entries and the magic text right after the last entry written.
std::vector<uint8_t> EncodeScoresImage(const std::list<score_t>& scores);

// Appends the 10 entries of a plain image in file order; false, appending nothing, when the
// image is shorter than 2048 bytes or the text at 1680 is not the magic.
bool DecodeScoresImage(const std::vector<uint8_t>& plain, std::list<score_t>& scores);

// Stable: higher score first, equal scores keep their order.
void SortScores(std::list<score_t>& scores);

// [d:]hh:mm:ss; the day count only when above 0.
std::string FormatTime(int32_t seconds);

} // namespace tilvora
