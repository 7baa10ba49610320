// tilvora-dict build: checks the name, description, picture and word list, then writes the
// dictionary's plain image enciphered as the game reads it.
#include "AtomicFile.h"
#include "BmpHeader.h"
#include "DataEnvelope.h"
#include "DictCommands.h"
#include "DictionaryFile.h"
#include "LengthClasses.h"
#include "WordList.h"

#include <map>
#include <optional>

namespace tilvora {

namespace {

// The game needs at least this many words to draw a level's target words.
constexpr size_t kMinPlayableWords = 4;

struct build_options_t {
    std::optional<std::string> output;
    std::optional<std::string> name;
    std::optional<std::string> description_file;
    std::optional<std::string> picture_file;
    std::optional<std::string> word_list;
};

struct dictionary_source_t {
    std::string description;
    std::vector<uint8_t> picture;
    std::vector<std::string> words;
};

// What is wrong with the command line; empty when nothing is.
std::string ParseBuildOptions(const argument_list_t& args, build_options_t& options) {
    using option_field_t = std::optional<std::string> build_options_t::*;
    static const std::map<std::string_view, option_field_t> valued_options = {
        {"-o", &build_options_t::output},
        {"--name", &build_options_t::name},
        {"--description-file", &build_options_t::description_file},
        {"--picture", &build_options_t::picture_file},
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const auto option = valued_options.find(args[i]);
        if (option != valued_options.end()) {
            if (i + 1 == args.size()) {
                return args[i] + " needs a value";
            }
            options.*(option->second) = args[++i];
        } else if (args[i].starts_with('-')) {
            return "unknown option " + args[i];
        } else if (options.word_list) {
            return "more than one word list given";
        } else {
            options.word_list = args[i];
        }
    }
    if (!options.output || !options.name || !options.word_list) {
        return "build needs -o OUT, --name NAME and a WORDLIST";
    }
    return {};
}

std::string ReadInput(const std::string& path, std::vector<uint8_t>& bytes) {
    file_bytes_t file = ReadWholeFile(path, kMaxDictionaryFileSize, BufferRule::file_size);
    if (file.status == ReadStatus::too_large) {
        return path + " is too large";
    }
    if (file.status != ReadStatus::ok) {
        return "cannot read " + path;
    }
    bytes = std::move(file.bytes);
    return {};
}

std::string TooLong(std::string_view what, size_t length, size_t limit) {
    return std::string(what) + " is " + std::to_string(length) + " bytes long; at most " +
           std::to_string(limit) + " are allowed";
}

std::string CheckName(const std::string& name) {
    if (name.empty()) {
        return "the name is empty; the game marks a dictionary without a name as corrupted";
    }
    if (name.size() >= kDictionaryNameField) {
        return TooLong("the name", name.size(), kDictionaryNameField - 1);
    }
    return {};
}

// The file's text without its final line ends, which would show as empty lines.
std::string ReadDescription(const std::string& path, std::string& description) {
    std::vector<uint8_t> bytes;
    if (std::string problem = ReadInput(path, bytes); !problem.empty()) {
        return problem;
    }
    description.assign(bytes.begin(), bytes.end());
    description.erase(description.find_last_not_of("\r\n") + 1);
    if (description.find('\0') != std::string::npos) {
        return "the description holds a zero byte";
    }
    if (description.size() > kMaxFileTextLength) {
        return TooLong("the description", description.size(), kMaxFileTextLength);
    }
    return {};
}

std::string ReadPicture(const std::string& path, std::vector<uint8_t>& picture) {
    if (std::string problem = ReadInput(path, picture); !problem.empty()) {
        return problem;
    }
    if (!ReadBmpInfo(picture)) {
        return path + " is not a BMP picture";
    }
    return {};
}

// Refuses words the file cannot hold; reports, and keeps, words the board cannot hold.
std::string ReadWords(const std::string& path, std::vector<std::string>& words, std::ostream& err) {
    std::vector<uint8_t> bytes;
    if (std::string problem = ReadInput(path, bytes); !problem.empty()) {
        return problem;
    }
    for (listed_word_t& word : ParseWordList(
             std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()))) {
        if (std::string refusal = WordRefusal(word); !refusal.empty()) {
            return path + ", " + refusal;
        }
        if (IsTooLongForBoard(word)) {
            err << "tilvora-dict: " << path << ", line " << word.line << ": \"" << word.text
                << "\" has more than " << kMaxWordLength
                << " letters; it is kept, but the game skips it\n";
        }
        words.push_back(std::move(word.text));
    }
    return {};
}

std::string ReadSource(const build_options_t& options, dictionary_source_t& source,
                       std::ostream& err) {
    std::string problem = CheckName(*options.name);
    if (problem.empty() && options.description_file) {
        problem = ReadDescription(*options.description_file, source.description);
    }
    if (problem.empty() && options.picture_file) {
        problem = ReadPicture(*options.picture_file, source.picture);
    }
    if (problem.empty()) {
        problem = ReadWords(*options.word_list, source.words, err);
    }
    return problem;
}

// Whether the game can draw target words from the words it loads from image.
std::string CheckPlayable(const std::vector<uint8_t>& image) {
    std::vector<std::string> loaded;
    AppendDictionaryWords(image, loaded);
    if (loaded.size() < kMinPlayableWords) {
        return "the game would load only " + std::to_string(loaded.size()) +
               " words; it needs at least " + std::to_string(kMinPlayableWords);
    }
    if (std::string missing = MissingTargetClass(CountLengthClasses(loaded)); !missing.empty()) {
        return "the list has no word of " + missing +
               " letters; the game draws a target word of 3-4, 5-6 and 7-8 letters each level";
    }
    return {};
}

} // namespace

int RunBuild(const argument_list_t& args, std::ostream& out, std::ostream& err) {
    build_options_t options;
    if (std::string problem = ParseBuildOptions(args, options); !problem.empty()) {
        return UsageError(err, problem);
    }
    dictionary_source_t source;
    if (std::string refusal = ReadSource(options, source, err); !refusal.empty()) {
        return Refuse(err, refusal);
    }
    const std::vector<uint8_t> image =
        BuildDictionaryImage(*options.name, source.description, source.picture, source.words);
    if (std::string refusal = CheckPlayable(image); !refusal.empty()) {
        return Refuse(err, *options.word_list + ": " + refusal);
    }
    CRijndael cipher;
    KeyDataCipher(cipher);
    if (!WriteFileAtomically(*options.output, EncipherImage(cipher, image))) {
        return Refuse(err, "cannot write " + *options.output);
    }
    out << "wrote " << *options.output << ": \"" << *options.name << "\", " << source.words.size()
        << " words\n";
    return 0;
}

} // namespace tilvora
