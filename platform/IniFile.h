// An INI profile file (settings.ini, a theme's def.ini) read and written by the rules of
// Windows profile files: section and key names match regardless of case, values are trimmed
// and cut to 2047 characters, integers are decimal or hexadecimal ("$", "0x", "0X").
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tilvora {

class IniFile {
  public:
    static constexpr size_t max_value_length = 2047;

    IniFile() = default;
    static IniFile Parse(std::string_view text);
    // Reads and parses a file of at most max_bytes; nullopt when it cannot be read or is larger.
    static std::optional<IniFile> LoadFile(const std::filesystem::path& path,
                                           uintmax_t max_bytes = 1 << 20);

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const;
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;
    // The key names of a section in file order; empty when the section is missing.
    std::vector<std::string> ReadSection(std::string_view section) const;

    // Changes one key (or adds it, and its section when missing) and keeps every other line.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

    // The whole file as text, with the line ending the parsed text used.
    std::string Text() const;

  private:
    struct line_range_t {
        size_t first; // first line after the section header
        size_t end;   // one past the section's last line
    };
    std::optional<line_range_t> FindSection(std::string_view section) const;
    std::optional<size_t> FindKey(const line_range_t& range, std::string_view key) const;

    std::vector<std::string> lines;
    std::string bom; // a UTF-8 byte-order mark the text started with, kept on writing
    std::string line_end = "\n";
    bool ends_with_line_end = true;
};

// Parses a profile-file value as an integer: "$", "0x" or "0X" and hex digits covering 32 bits
// (0xFFFFFFFF is -1), or an optional sign and decimal digits within 32 bits; nullopt when the
// text is anything else, a sign before a hex prefix and blanks included (values are trimmed
// before they are cut to max_value_length, so a cut value may end in blanks).
std::optional<int32_t> ParseProfileInteger(std::string_view text);

} // namespace tilvora
