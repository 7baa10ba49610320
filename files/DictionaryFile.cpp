#include "DictionaryFile.h"

#include "ByteImage.h"
#include "DataEnvelope.h"

#include <algorithm>
#include <limits>
#include <span>
#include <stdexcept>

namespace tilvora {
namespace {

std::span<const uint8_t> MagicBytes() {
    return {reinterpret_cast<const uint8_t*>(dictionary_magic), kDictionaryMagicSize};
}

// Moves a reader past the description and the picture to the word count.
bool SkipToWordCount(ImageReader& reader) {
    std::string description;
    uint32_t picture_size = 0;
    return reader.Text(description, kMaxFileTextLength) && reader.Uint32(picture_size) &&
           reader.Skip(picture_size);
}

// Lowers A-Z; a word the board cannot show (too long, or holding a control byte or space)
// is refused. The empty word holds no such byte and is kept.
bool NormaliseWord(std::string& word) {
    if (word.size() > kMaxWordLength) {
        return false;
    }
    for (char& c : word) {
        const auto byte = static_cast<uint8_t>(c);
        if (byte <= 32) {
            return false;
        }
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return true;
}

} // namespace

int32_t CheckDictionaryImage(const std::vector<uint8_t>& plain) {
    if (plain.size() < 4) {
        return -1;
    }
    const uint32_t magic_offset = GetUint32(plain.data());
    if (magic_offset == 0) {
        return -1;
    }
    return ImageReader(plain, magic_offset).Matches(MagicBytes()) ? 0 : -1;
}

int32_t AppendDictionaryWords(const std::vector<uint8_t>& plain, std::vector<std::string>& words) {
    if (CheckDictionaryImage(plain) != 0) {
        return -1;
    }
    ImageReader reader(plain, kDictionaryDescriptionOffset);
    int32_t word_count = 0;
    if (!SkipToWordCount(reader) || !reader.Int32(word_count)) {
        return -1;
    }
    std::string word;
    for (int32_t i = 0; i < word_count; ++i) {
        if (!reader.Text(word, kMaxFileTextLength)) {
            return -1;
        }
        if (NormaliseWord(word)) {
            words.push_back(word);
        }
    }
    return reader.Matches(MagicBytes()) ? 0 : -1;
}

std::vector<uint8_t> BuildDictionaryImage(const std::string& name, const std::string& description,
                                          const std::vector<uint8_t>& picture,
                                          const std::vector<std::string>& words) {
    if (picture.size() > std::numeric_limits<uint32_t>::max() ||
        words.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max())) {
        throw std::length_error("dictionary picture or word list too large");
    }
    ImageWriter writer;
    writer.Uint32(0); // magic_offset, known once the words are written
    uint8_t name_field[kDictionaryNameField];
    PutTextField(name_field, sizeof name_field, name);
    writer.Bytes(name_field);
    writer.Text(description, kMaxFileTextLength);
    writer.Uint32(static_cast<uint32_t>(picture.size()));
    writer.Bytes(picture);
    writer.Int32(static_cast<int32_t>(words.size()));
    for (const std::string& word : words) {
        writer.Text(word, kMaxFileTextLength);
    }
    std::vector<uint8_t>& image = writer.Image();
    if (image.size() > std::numeric_limits<uint32_t>::max() - kDictionaryMagicSize) {
        throw std::length_error("dictionary image too large");
    }
    PutUint32(image.data(), static_cast<uint32_t>(image.size()));
    writer.Bytes(MagicBytes());
    return std::move(image);
}

dictionary_info_t ReadDictionaryInfo(const std::vector<uint8_t>& plain) {
    dictionary_info_t info;
    info.name = HeaderNameOf(plain.data(), plain.size());
    if (CheckDictionaryImage(plain) != 0) {
        return info;
    }
    ImageReader reader(plain, kDictionaryDescriptionOffset);
    uint32_t picture_size = 0;
    if (!reader.Text(info.description, kMaxFileTextLength) || !reader.Uint32(picture_size)) {
        return info;
    }
    const size_t picture_at = reader.Position();
    if (!reader.Skip(picture_size)) {
        return info;
    }
    info.picture.assign(plain.begin() + static_cast<std::ptrdiff_t>(picture_at),
                        plain.begin() + static_cast<std::ptrdiff_t>(reader.Position()));
    if (reader.Int32(info.word_count)) {
        info.result = 0;
    }
    return info;
}

} // namespace tilvora
