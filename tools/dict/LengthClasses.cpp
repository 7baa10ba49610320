#include "LengthClasses.h"

namespace tilvora {

length_counts_t CountLengthClasses(const std::vector<std::string>& words) {
    length_counts_t counts{};
    for (const std::string& word : words) {
        for (size_t i = 0; i < kLengthClasses.size(); ++i) {
            if (word.size() >= kLengthClasses[i].shortest &&
                word.size() <= kLengthClasses[i].longest) {
                ++counts[i];
            }
        }
    }
    return counts;
}

std::string MissingTargetClass(const length_counts_t& counts) {
    for (size_t i = 0; i < kLengthClasses.size(); ++i) {
        if (kLengthClasses[i].target && counts[i] == 0) {
            return ClassLabel(kLengthClasses[i]);
        }
    }
    return {};
}

std::string ClassLabel(const length_class_t& length_class) {
    return std::to_string(length_class.shortest) + "-" + std::to_string(length_class.longest);
}

} // namespace tilvora
