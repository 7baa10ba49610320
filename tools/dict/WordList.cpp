#include "WordList.h"

#include "DictionaryFile.h"

#include <algorithm>

namespace tilvora {

std::vector<listed_word_t> ParseWordList(std::string_view list) {
    std::vector<listed_word_t> words;
    int line_number = 0;
    while (!list.empty()) {
        const size_t end = std::min(list.find('\n'), list.size());
        std::string_view line = list.substr(0, end);
        list.remove_prefix(std::min(end + 1, list.size()));
        ++line_number;
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (!line.empty() && !line.starts_with('#')) {
            words.push_back({std::string(line), line_number});
        }
    }
    return words;
}

std::string WordRefusal(const listed_word_t& word) {
    const std::string where = "line " + std::to_string(word.line) + ": ";
    if (word.text.size() > kMaxFileTextLength) {
        return where + "the word is " + std::to_string(word.text.size()) + " bytes long; at most " +
               std::to_string(kMaxFileTextLength) + " are allowed";
    }
    const auto separator = std::find_if(word.text.begin(), word.text.end(),
                                        [](unsigned char byte) { return byte <= 32; });
    if (separator != word.text.end()) {
        return where + "\"" + word.text + "\" holds a blank or control character (byte " +
               std::to_string(static_cast<unsigned char>(*separator)) + ")";
    }
    return {};
}

bool IsTooLongForBoard(const listed_word_t& word) {
    return word.text.size() > kMaxWordLength;
}

} // namespace tilvora
