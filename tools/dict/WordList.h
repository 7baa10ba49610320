// The text word lists that dictionaries are made from: one word per line; blank lines and
// lines starting with '#' are skipped and a trailing CR is removed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tilvora {

struct listed_word_t {
    std::string text;
    int line = 0; // 1-based line number in the list, for messages
};

std::vector<listed_word_t> ParseWordList(std::string_view list);

// Why the word cannot be stored in a dictionary (longer than 1023 bytes, or holding a blank,
// a control byte or any other byte of 32 or less, which the game treats as a separator);
// empty when it can.
std::string WordRefusal(const listed_word_t& word);

// True when the game will skip the word on loading because the board cannot hold it.
bool IsTooLongForBoard(const listed_word_t& word);

} // namespace tilvora
