#include "IniFile.h"

#include "AsciiText.h"
#include "FileBytes.h"

#include <algorithm>

namespace tilvora {

namespace {

constexpr std::string_view utf8_bom = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The name of a "[name]" line, or nullopt when the line is no section header.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    line.remove_prefix(1);
    return Trim(line.substr(0, line.find(']')));
}

struct entry_t {
    std::string_view key;
    std::string_view value;
};

// The key and value of an entry line, "key=value". Blank lines, comments (";"), lines with an
// empty key and lines without "=" are no entries: they are neither read nor listed, as the
// profile functions skip them.
std::optional<entry_t> Entry(std::string_view line) {
    line = Trim(line);
    const size_t equals = line.find('=');
    if (line.empty() || line.front() == ';' || equals == std::string_view::npos)
        return std::nullopt;
    const std::string_view key = Trim(line.substr(0, equals));
    if (key.empty())
        return std::nullopt;
    return entry_t{key, Trim(line.substr(equals + 1))};
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Hex digits covering 32 bits, read as a signed value: FFFFFFFF is -1.
std::optional<int32_t> ParseHex(std::string_view digits) {
    if (digits.empty())
        return std::nullopt;
    uint64_t value = 0;
    for (char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + static_cast<uint64_t>(digit);
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
    }
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

std::optional<int32_t> ParseDecimal(std::string_view digits, bool negative) {
    if (digits.empty())
        return std::nullopt;
    const int64_t limit = negative ? int64_t{1} << 31 : (int64_t{1} << 31) - 1;
    int64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<int32_t>(negative ? -value : value);
}

} // namespace

std::optional<int32_t> ParseProfileInteger(std::string_view text) {
    // Hexadecimal only when the value begins with its prefix, so "-$10" is no integer.
    if (text.starts_with('$'))
        return ParseHex(text.substr(1));
    if (text.starts_with("0x") || text.starts_with("0X"))
        return ParseHex(text.substr(2));
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+'))
        text.remove_prefix(1);
    return ParseDecimal(text, negative);
}

IniFile IniFile::Parse(std::string_view text) {
    IniFile ini;
    if (text.starts_with(utf8_bom)) {
        ini.bom = utf8_bom;
        text.remove_prefix(utf8_bom.size());
    }
    ini.ends_with_line_end = text.empty() || text.back() == '\n';
    if (text.find("\r\n") != std::string_view::npos)
        ini.line_end = "\r\n";
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        ini.lines.emplace_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return ini;
}

std::optional<IniFile> IniFile::LoadFile(const std::filesystem::path& path, uintmax_t max_bytes) {
    const file_bytes_t file = ReadWholeFile(path.string(), max_bytes, BufferRule::file_size);
    if (file.status != ReadStatus::ok)
        return std::nullopt;
    return Parse(std::string_view(reinterpret_cast<const char*>(file.bytes.data()),
                                  static_cast<size_t>(file.file_size)));
}

std::optional<IniFile::line_range_t> IniFile::FindSection(std::string_view section) const {
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto name = SectionName(lines[i]);
        if (!name || !EqualIgnoringCase(*name, section))
            continue;
        size_t end = i + 1;
        while (end < lines.size() && !SectionName(lines[end]))
            ++end;
        return line_range_t{i + 1, end};
    }
    return std::nullopt;
}

std::optional<size_t> IniFile::FindKey(const line_range_t& range, std::string_view key) const {
    for (size_t i = range.first; i < range.end; ++i) {
        const auto entry = Entry(lines[i]);
        if (entry && EqualIgnoringCase(entry->key, key))
            return i;
    }
    return std::nullopt;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    const auto range = FindSection(section);
    const auto index = range ? FindKey(*range, key) : std::nullopt;
    const std::string_view value = index ? Entry(lines[*index])->value : fallback;
    return std::string(value.substr(0, max_value_length));
}

int32_t IniFile::ReadInteger(std::string_view section, std::string_view key,
                             int32_t fallback) const {
    const auto range = FindSection(section);
    const auto index = range ? FindKey(*range, key) : std::nullopt;
    if (!index)
        return fallback;
    return ParseProfileInteger(Entry(lines[*index])->value.substr(0, max_value_length))
        .value_or(fallback);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

std::vector<std::string> IniFile::ReadSection(std::string_view section) const {
    std::vector<std::string> keys;
    if (const auto range = FindSection(section)) {
        for (size_t i = range->first; i < range->end; ++i) {
            if (const auto entry = Entry(lines[i]))
                keys.emplace_back(entry->key);
        }
    }
    return keys;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    // A line break in a value would start a new line of the file and could forge other keys.
    std::string safe_value(value);
    std::replace_if(
        safe_value.begin(), safe_value.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    const auto range = FindSection(section);
    if (!range) {
        if (!lines.empty() && !Trim(lines.back()).empty())
            lines.emplace_back();
        lines.push_back("[" + std::string(section) + "]");
        lines.push_back(std::string(key) + "=" + safe_value);
        return;
    }
    if (const auto index = FindKey(*range, key)) {
        lines[*index] = std::string(Entry(lines[*index])->key) + "=" + safe_value;
        return;
    }
    size_t insert_at = range->end;
    while (insert_at > range->first && Trim(lines[insert_at - 1]).empty())
        --insert_at;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insert_at),
                 std::string(key) + "=" + safe_value);
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

std::string IniFile::Text() const {
    std::string text = bom;
    for (size_t i = 0; i < lines.size(); ++i) {
        text += lines[i];
        if (i + 1 < lines.size() || ends_with_line_end)
            text += line_end;
    }
    return text;
}

} // namespace tilvora
