// Target words, the letter supply with its announcements, and the preview text.
#include "QuandelLogic.h"

#include <algorithm>

namespace tilvora {

namespace {

constexpr int32_t kRandomRange = 32768; // the generator gives 0 to 32767

bool InClass(const std::string& word, size_t shortest, size_t longest) {
    return word.size() >= shortest && word.size() <= longest;
}

} // namespace

int32_t QuandelLogic::ChooseTargetWords() {
    static constexpr size_t kClasses[3][2] = {{3, 4}, {5, 6}, {7, 8}};
    target_words.clear();
    if (words.size() < 4) {
        return -1;
    }
    // Draws reach only the first 32768 words, so only those can serve a class.
    const int32_t count = static_cast<int32_t>(std::min<size_t>(words.size(), INT32_MAX));
    const auto reachable = words.begin() + std::min(count, kRandomRange);
    for (const auto& length_class : kClasses) {
        if (std::none_of(words.begin(), reachable, [&](const std::string& w) {
                return InClass(w, length_class[0], length_class[1]);
            })) {
            return -1;
        }
    }
    for (const auto& length_class : kClasses) {
        for (;;) {
            const std::string& word = words[random.Below(count)];
            if (InClass(word, length_class[0], length_class[1])) {
                target_words.push_back(word);
                break;
            }
        }
    }
    return 0;
}

std::string QuandelLogic::PickTargetWord() {
    const int32_t count = static_cast<int32_t>(target_words.size());
    int32_t i = random.Below(count);
    if (target_words[i].size() > 6) {
        i = random.Below(count);
    }
    return target_words[i];
}

bool QuandelLogic::HasEmptyUnannouncedCell() const {
    return std::any_of(board.begin(), board.end(),
                       [](const cell_t& c) { return c.letter == 0 && c.next_letter == 0; });
}

// Draws column then row until the cell is unannounced (and empty when asked).
index_t QuandelLogic::DrawCell(bool need_empty) {
    for (;;) {
        const int32_t column = random.Below(kBoardSize);
        const int32_t row = random.Below(kBoardSize);
        const cell_t& cell = Cell(column, row);
        if (cell.next_letter == 0 && (!need_empty || cell.letter == 0)) {
            return {column, row};
        }
    }
}

int32_t QuandelLogic::SupplyStep() {
    if (target_words.empty()) {
        return -1;
    }
    for (cell_t& cell : board) {
        if (cell.next_letter == 0) {
            continue;
        }
        if (cell.letter == 0) {
            cell.letter = cell.next_letter;
        } else if (HasEmptyUnannouncedCell()) {
            const index_t at = DrawCell(true);
            const std::string word = PickTargetWord();
            if (!word.empty()) {
                const int32_t size = static_cast<int32_t>(word.size());
                Cell(at.column, at.row).letter = static_cast<uint8_t>(word[random.Below(size)]);
            }
        }
        cell.next_letter = 0;
    }
    for (int32_t k = 0; k < announce_per_turn; ++k) {
        const bool free_cell = HasEmptyUnannouncedCell();
        // With every cell announced no announcement can be placed (and none draws):
        // the rest of the count is skipped at once.
        if (!free_cell && std::all_of(board.begin(), board.end(),
                                      [](const cell_t& c) { return c.next_letter != 0; })) {
            break;
        }
        const index_t at = DrawCell(free_cell);
        const std::string word = PickTargetWord();
        if (!word.empty()) {
            const int32_t size = static_cast<int32_t>(word.size());
            Cell(at.column, at.row).next_letter = static_cast<uint8_t>(word[random.Below(size)]);
        }
    }
    return 0;
}

std::string QuandelLogic::Announcements() const {
    std::string text;
    for (const cell_t& cell : board) {
        if (cell.next_letter != 0) {
            text.push_back(static_cast<char>(cell.next_letter));
        }
    }
    return text;
}

} // namespace tilvora
