// tilvora-dict info and words: read a dictionary file the way the game does (the file
// zero-padded to a power of two, deciphered whole, then parsed by the game's own loader) and
// print what it holds.
#include "BmpHeader.h"
#include "DataEnvelope.h"
#include "DictCommands.h"
#include "DictionaryFile.h"
#include "LengthClasses.h"

namespace tilvora {

namespace {

// Files of 16 bytes or less round up to less than one cipher block.
constexpr uint64_t kMinDictionaryFileSize = 17;

struct loaded_dictionary_t {
    dictionary_info_t info;
    std::vector<std::string> words; // as the game's word store holds them
};

// Why path is not a readable dictionary; empty when it is.
std::string LoadDictionary(const std::string& path, loaded_dictionary_t& dictionary) {
    const file_bytes_t file = ReadWholeFile(path, kMaxDictionaryFileSize, BufferRule::round_pow2);
    if (file.status == ReadStatus::too_large) {
        return path + " is too large to be a dictionary";
    }
    if (file.status != ReadStatus::ok) {
        return "cannot read " + path;
    }
    if (file.file_size < kMinDictionaryFileSize) {
        return path + " is too short to be a dictionary (" + std::to_string(file.file_size) +
               " bytes)";
    }
    CRijndael cipher;
    KeyDataCipher(cipher);
    const std::vector<uint8_t> plain = DecipherImage(cipher, file.bytes);
    if (CheckDictionaryImage(plain) != 0) {
        return path + " is not a dictionary: the magic text is not where its header says";
    }
    dictionary.info = ReadDictionaryInfo(plain);
    if (dictionary.info.result != 0 || AppendDictionaryWords(plain, dictionary.words) != 0) {
        return path + " is a damaged dictionary: its fields run past the data or the magic "
                      "text does not follow the last word";
    }
    return {};
}

// Runs print on the dictionary named by the command's one argument.
template <typename Print>
int WithDictionary(std::string_view command, const argument_list_t& args, std::ostream& err,
                   Print print) {
    if (args.size() != 1) {
        return UsageError(err, std::string(command) + " needs exactly one FILE");
    }
    loaded_dictionary_t dictionary;
    if (std::string problem = LoadDictionary(args[0], dictionary); !problem.empty()) {
        return Refuse(err, problem);
    }
    print(dictionary);
    return 0;
}

void PrintDescription(const std::string& description, std::ostream& out) {
    if (description.empty()) {
        out << "description: none\n";
        return;
    }
    out << "description:\n";
    size_t start = 0;
    while (start <= description.size()) {
        const size_t end = std::min(description.find('\n', start), description.size());
        const std::string_view line = std::string_view(description).substr(start, end - start);
        out << (line.empty() ? "" : "  ") << line << '\n';
        start = end + 1;
    }
}

void PrintPicture(const std::vector<uint8_t>& picture, std::ostream& out) {
    out << "picture: ";
    if (picture.empty()) {
        out << "none\n";
        return;
    }
    out << picture.size() << " bytes, ";
    if (const std::optional<bmp_info_t> bmp = ReadBmpInfo(picture)) {
        out << bmp->width << " x " << bmp->height << " pixels, " << bmp->bits_per_pixel
            << " bits per pixel\n";
    } else {
        out << "not a BMP picture\n";
    }
}

void PrintInfo(const loaded_dictionary_t& dictionary, std::ostream& out) {
    out << "name: " << dictionary.info.name << '\n';
    PrintDescription(dictionary.info.description, out);
    PrintPicture(dictionary.info.picture, out);
    out << "words: " << dictionary.info.word_count << '\n';
    out << "loadable words: " << dictionary.words.size() << '\n';
    const length_counts_t counts = CountLengthClasses(dictionary.words);
    for (size_t i = 0; i < kLengthClasses.size(); ++i) {
        out << "words of " << ClassLabel(kLengthClasses[i]) << " letters: " << counts[i] << '\n';
    }
}

} // namespace

int RunInfo(const argument_list_t& args, std::ostream& out, std::ostream& err) {
    return WithDictionary("info", args, err, [&](const loaded_dictionary_t& dictionary) {
        PrintInfo(dictionary, out);
    });
}

int RunWords(const argument_list_t& args, std::ostream& out, std::ostream& err) {
    return WithDictionary("words", args, err, [&](const loaded_dictionary_t& dictionary) {
        for (const std::string& word : dictionary.words) {
            out << word << '\n';
        }
    });
}

} // namespace tilvora
