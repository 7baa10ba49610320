#include "Simulator.h"

#include "JsonText.h"

#include <charconv>
#include <stdexcept>

namespace tilvora {

namespace {

// A command that cannot run as given; its text is the reason in the error reply.
struct bad_argument_t : std::runtime_error {
    using std::runtime_error::runtime_error;
};

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

std::vector<std::string> Tokens(const std::string& line) {
    std::vector<std::string> tokens;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i])) {
            ++i;
        }
        const size_t start = i;
        while (i < line.size() && !IsBlank(line[i])) {
            ++i;
        }
        if (i > start) {
            tokens.push_back(line.substr(start, i - start));
        }
    }
    return tokens;
}

// An optional sign and decimal digits, within signed 32 bits.
int32_t Integer(const std::string& token) {
    const char* first = token.data();
    const char* last = first + token.size();
    if (first != last && *first == '+') {
        ++first;
        if (first != last && *first == '-') {
            throw bad_argument_t("bad integer: " + token);
        }
    }
    int32_t value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (first == last || error != std::errc() || end != last) {
        throw bad_argument_t("bad integer: " + token);
    }
    return value;
}

void ExpectArguments(const std::vector<std::string>& args, size_t least, size_t most) {
    const size_t given = args.size() - 1;
    if (given < least) {
        throw bad_argument_t("missing argument");
    }
    if (given > most) {
        throw bad_argument_t("extra argument");
    }
}

int32_t BoardCoordinate(const std::string& token) {
    const int32_t value = Integer(token);
    if (value < 0 || value >= kBoardSize) {
        throw bad_argument_t("cell outside the board: " + token);
    }
    return value;
}

// One byte, '.' standing for 0.
uint8_t LetterByte(const std::string& token) {
    if (token.size() != 1) {
        throw bad_argument_t("not one byte: " + token);
    }
    return token == "." ? 0 : static_cast<uint8_t>(token[0]);
}

const char* Bool(bool value) { return value ? "true" : "false"; }

std::string Pair(int32_t a, int32_t b) {
    return "[" + std::to_string(a) + "," + std::to_string(b) + "]";
}

std::string JsonList(const std::vector<std::string>& items) {
    std::string out = "[";
    for (size_t i = 0; i < items.size(); ++i) {
        out += (i ? "," : "") + items[i];
    }
    return out + "]";
}

} // namespace

Simulator::Simulator(uint32_t seed) : logic_([clock = clock_] { return *clock; }, seed) {}

std::optional<std::string> Simulator::Execute(std::string line) {
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    const args_t args = Tokens(line);
    if (args.empty() || line[0] == '#') {
        return std::nullopt;
    }
    try {
        return Dispatch(line, args);
    } catch (const std::exception& error) {
        return std::string("error ") + error.what();
    }
}

std::string Simulator::Dispatch(const std::string& line, const args_t& args) {
    const std::string& command = args[0];
    if (command == "newgame") {
        ExpectArguments(args, 1, 1);
        return "newgame " + std::to_string(logic_.NewGame(args[1]));
    }
    if (command == "select") {
        ExpectArguments(args, 2, 2);
        // Arguments are read left to right, so the first bad one is the one reported.
        const int32_t column = Integer(args[1]);
        const int32_t row = Integer(args[2]);
        return std::string("select ") + Bool(logic_.SelectCell(column, row));
    }
    if (command == "move") {
        ExpectArguments(args, 4, 4);
        const int32_t c0 = Integer(args[1]);
        const int32_t r0 = Integer(args[2]);
        const int32_t c1 = BoardCoordinate(args[3]);
        const int32_t r1 = BoardCoordinate(args[4]);
        return "move " + std::to_string(logic_.MoveLetter(c0, r0, c1, r1));
    }
    if (command == "click") {
        return Click(args);
    }
    if (command == "tick") {
        ExpectArguments(args, 0, 0);
        *clock_ = WrapAdd(*clock_, 40);
        return "tick " + std::to_string(logic_.Tick());
    }
    if (command == "paint") {
        ExpectArguments(args, 0, 0);
        return Paint();
    }
    if (command == "frame") {
        return Frame(args);
    }
    if (command == "undo") {
        ExpectArguments(args, 0, 0);
        return "undo " + std::to_string(logic_.Undo());
    }
    if (command == "save") {
        ExpectArguments(args, 1, 1);
        return "save " + std::to_string(logic_.SaveGame(args[1]));
    }
    if (command == "load") {
        ExpectArguments(args, 1, 1);
        return "load " + JsonString(logic_.LoadGame(args[1]));
    }
    if (command == "scores-load") {
        ExpectArguments(args, 1, 1);
        return "scores-load " + std::to_string(logic_.LoadScores(args[1]));
    }
    if (command == "scores-add") {
        return ScoresAdd(line, args);
    }
    if (command == "scores") {
        ExpectArguments(args, 0, 0);
        return Scores();
    }
    if (command == "highscore") {
        ExpectArguments(args, 0, 0);
        return std::string("highscore ") + Bool(logic_.IsHighScore());
    }
    if (command == "formattime") {
        ExpectArguments(args, 1, 1);
        return "formattime " + JsonString(logic_.FormatTime(Integer(args[1])));
    }
    if (command == "set") {
        return Set(args);
    }
    if (command == "setcell") {
        return SetCell(args);
    }
    if (command == "settargets") {
        logic_.target_words.assign(args.begin() + 1, args.end());
        return "settargets ok";
    }
    if (command == "clear") {
        ExpectArguments(args, 0, 0);
        for (cell_t& cell : logic_.board) {
            cell.letter = 0;
            cell.next_letter = 0;
            cell.state = csIdle;
            cell.frame = 0;
        }
        return "clear ok";
    }
    if (command == "state") {
        ExpectArguments(args, 0, 0);
        return State();
    }
    throw bad_argument_t("unknown command: " + command);
}

std::string Simulator::Click(const args_t& args) {
    ExpectArguments(args, 2, 2);
    const index_t cell{BoardCoordinate(args[1]), BoardCoordinate(args[2])};
    const PlayControl::press_result_t press = control_.BoardPress(logic_, cell);
    return std::string("click ") + (press.picked ? "pick " : "- ") +
           std::to_string(press.move_result);
}

// Timer ticks of the main window, each ending with a paint; the timer stops at game over.
std::string Simulator::Frame(const args_t& args) {
    ExpectArguments(args, 0, 1);
    const int32_t count = args.size() > 1 ? Integer(args[1]) : 1;
    if (count < 1) {
        throw bad_argument_t("frame count below 1: " + args[1]);
    }
    int32_t result = 1;
    for (int32_t i = 0; i < count && result != 2; ++i) {
        logic_.level_up = false;
        AnimateSelectedLetter(logic_);
        *clock_ = WrapAdd(*clock_, 40);
        result = control_.RunTick(logic_);
        if (control_.AnimationStepDue(*clock_)) {
            AgeDeadWords(logic_);
        }
        Paint();
    }
    return "frame " + std::to_string(result);
}

std::string Simulator::Paint() {
    const int32_t sounds = PaintBoardStep(logic_);
    SortTargetWords(logic_, false);
    return "paint " + std::to_string(sounds);
}

std::string Simulator::Set(const args_t& args) {
    ExpectArguments(args, 2, 2);
    const std::string& field = args[1];
    int32_t* member = nullptr;
    if (field == "score") {
        member = &logic_.score;
    } else if (field == "level_progress") {
        member = &logic_.level_progress;
    } else if (field == "elapsed_ms") {
        member = &logic_.elapsed_ms;
    } else if (field == "level_goal") {
        member = &logic_.level_goal;
    } else {
        throw bad_argument_t("unknown field: " + field);
    }
    *member = Integer(args[2]);
    return "set ok";
}

std::string Simulator::SetCell(const args_t& args) {
    ExpectArguments(args, 3, 4);
    const int32_t column = BoardCoordinate(args[1]);
    const int32_t row = BoardCoordinate(args[2]);
    const uint8_t letter = LetterByte(args[3]);
    const uint8_t next = args.size() > 4 ? LetterByte(args[4]) : 0;
    cell_t& cell = logic_.Cell(column, row);
    cell.letter = letter;
    cell.next_letter = next;
    cell.state = csIdle;
    cell.frame = 0;
    return "setcell ok";
}

// NAME is the rest of the line after PATH and the one blank that follows it.
std::string Simulator::ScoresAdd(const std::string& line, const args_t& args) {
    if (args.size() < 2) {
        throw bad_argument_t("missing argument");
    }
    const size_t path_start = line.find(args[1], line.find(args[0]) + args[0].size());
    const size_t name_start = path_start + args[1].size() + 1;
    const std::string name = name_start < line.size() ? line.substr(name_start) : std::string();
    return "scores-add " + std::to_string(logic_.AddScore(args[1], name));
}

std::string Simulator::Scores() const {
    std::vector<std::string> entries;
    for (const score_t& entry : logic_.scores) {
        entries.push_back("{\"name\":" + JsonString(NameOf(entry)) +
                          ",\"dictionary\":" + JsonString(DictionaryOf(entry)) +
                          ",\"score\":" + std::to_string(entry.score) +
                          ",\"time\":" + std::to_string(entry.time) + "}");
    }
    return "scores " + JsonList(entries);
}

std::string Simulator::State() const {
    std::vector<std::string> targets;
    for (const std::string& word : logic_.target_words) {
        targets.push_back(JsonString(word));
    }
    std::vector<std::string> dead;
    for (const dead_word_t& word : logic_.dead_words) {
        dead.push_back("[" + JsonString(word.word) + "," + std::to_string(word.frame) + "]");
    }
    std::vector<std::string> board, next, states, frames;
    for (int32_t row = 0; row < kBoardSize; ++row) {
        std::string letters, announced, row_states;
        std::vector<std::string> row_frames;
        for (int32_t column = 0; column < kBoardSize; ++column) {
            const cell_t& cell = logic_.Cell(column, row);
            letters += cell.letter == 0 ? '.' : static_cast<char>(cell.letter);
            announced += cell.next_letter == 0 ? '.' : static_cast<char>(cell.next_letter);
            row_states += std::to_string(cell.state);
            row_frames.push_back(std::to_string(cell.frame));
        }
        board.push_back(JsonString(letters));
        next.push_back(JsonString(announced));
        states.push_back(JsonString(row_states));
        frames.push_back(JsonList(row_frames));
    }
    return "state {\"score\":" + std::to_string(logic_.score) +
           ",\"level_progress\":" + std::to_string(logic_.level_progress) +
           ",\"level_goal\":" + std::to_string(logic_.level_goal) +
           ",\"level_up\":" + Bool(logic_.level_up) + ",\"moving\":" + Bool(logic_.moving) +
           ",\"selected\":" + Pair(logic_.selected_column, logic_.selected_row) +
           ",\"last_cell\":" + Pair(control_.last_cell.column, control_.last_cell.row) +
           ",\"targets\":" + JsonList(targets) +
           ",\"announcements\":" + JsonString(logic_.Announcements()) +
           ",\"dead_words\":" + JsonList(dead) +
           ",\"elapsed_ms\":" + std::to_string(logic_.elapsed_ms) +
           ",\"board\":" + JsonList(board) + ",\"next\":" + JsonList(next) +
           ",\"states\":" + JsonList(states) + ",\"frames\":" + JsonList(frames) +
           ",\"undo\":" + Bool(logic_.HasUndoSnapshot()) + "}";
}

} // namespace tilvora
