// Words counted by length class. The game draws each level's target words from the classes
// of 3-4, 5-6 and 7-8 letters; a dictionary missing one of them cannot start a level.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tilvora {

struct length_class_t {
    size_t shortest;
    size_t longest;
    bool target; // target words are drawn from this class
};

// Every length the game loads (0 to 10 bytes) falls in exactly one class.
inline constexpr std::array<length_class_t, 5> kLengthClasses = {{
    {0, 2, false},
    {3, 4, true},
    {5, 6, true},
    {7, 8, true},
    {9, 10, false},
}};

using length_counts_t = std::array<int32_t, kLengthClasses.size()>;

// Counts loaded words (at most 10 bytes each) per class of kLengthClasses.
length_counts_t CountLengthClasses(const std::vector<std::string>& words);

// "3-4", "5-6" or "7-8" for the first target class without a word; empty when none lacks.
std::string MissingTargetClass(const length_counts_t& counts);

// "3-4" for the class {3, 4}.
std::string ClassLabel(const length_class_t& length_class);

} // namespace tilvora
