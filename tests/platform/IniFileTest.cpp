#include "IniFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace tilvora {
namespace {

struct integer_case_t {
    const char* value;
    int32_t expected;
};

// Names each case after its value in test listings.
void PrintTo(const integer_case_t& test, std::ostream* out) { *out << '[' << test.value << ']'; }

class ProfileInteger : public testing::TestWithParam<integer_case_t> {};

TEST_P(ProfileInteger, ReadsLikeTheProfileFunctions) {
    const auto& [value, expected] = GetParam();
    const IniFile ini = IniFile::Parse(std::string("[grid]\ncell_width=") + value + "\n");
    EXPECT_EQ(ini.ReadInteger("grid", "cell_width", 1), expected) << "value \"" << value << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileInteger,
    testing::Values(
        integer_case_t{"32", 32}, integer_case_t{"0x20", 32}, integer_case_t{"0X20", 32},
        integer_case_t{"$20", 32}, integer_case_t{"$ff", 255}, integer_case_t{"  32  ", 32},
        integer_case_t{"-7", -7}, integer_case_t{"+7", 7}, integer_case_t{"2147483647", 2147483647},
        integer_case_t{"-2147483648", INT32_MIN}, integer_case_t{"0xFFFFFFFF", -1},
        integer_case_t{"$80000000", INT32_MIN},
        // Anything that is not a whole 32-bit integer gives the default.
        integer_case_t{"32px", 1}, integer_case_t{"", 1}, integer_case_t{"0x", 1},
        integer_case_t{"$", 1}, integer_case_t{"2147483648", 1}, integer_case_t{"-2147483649", 1},
        integer_case_t{"0x100000000", 1}, integer_case_t{"3 2", 1}, integer_case_t{"1e3", 1},
        integer_case_t{"-", 1}, integer_case_t{"0x-1", 1}, integer_case_t{"twelve", 1},
        // Hexadecimal only when the value begins with "$", "0x" or "0X".
        integer_case_t{"-$10", 1}, integer_case_t{"-0x10", 1}, integer_case_t{"+$10", 1},
        integer_case_t{"$+10", 1}, integer_case_t{"x10", 1}));

TEST(IniFile, MatchesSectionsAndKeysWithoutRegardToCase) {
    const IniFile ini =
        IniFile::Parse("[ About ]\r\n  NAME =  Night Sky  \r\n[GRID]\r\nLeft=$10\r\n");
    EXPECT_EQ(ini.ReadString("about", "name", "-"), "Night Sky");
    EXPECT_EQ(ini.ReadInteger("grid", "LEFT", 1), 16);
    EXPECT_EQ(ini.ReadString("about", "info", "none"), "none");
    EXPECT_EQ(ini.ReadString("missing", "name", "none"), "none");
}

TEST(IniFile, FirstSectionAndFirstKeyOfAName) {
    const IniFile ini = IniFile::Parse("[a]\nk=1\nk=2\n[b]\nk=3\n[A]\nk=4\nj=5\n");
    EXPECT_EQ(ini.ReadInteger("a", "k", 0), 1);
    EXPECT_EQ(ini.ReadInteger("a", "j", 0), 0);
}

TEST(IniFile, BooleansAreIntegers) {
    const IniFile ini = IniFile::Parse("[words]\norder=1\ncentred=0\nx=-3\ny=yes\n");
    EXPECT_TRUE(ini.ReadBool("words", "order", false));
    EXPECT_FALSE(ini.ReadBool("words", "centred", true));
    EXPECT_TRUE(ini.ReadBool("words", "x", false));
    EXPECT_TRUE(ini.ReadBool("words", "y", true));
    EXPECT_FALSE(ini.ReadBool("words", "missing", false));
}

TEST(IniFile, CutsValuesTo2047Characters) {
    const std::string long_value(3000, 'x');
    const IniFile ini = IniFile::Parse("[about]\ninfo=" + long_value + "\n");
    EXPECT_EQ(ini.ReadString("about", "info", ""), long_value.substr(0, 2047));
}

TEST(IniFile, ReadsAnIntegerFromTheValueCutTo2047Characters) {
    const auto read = [](const std::string& value) {
        return IniFile::Parse("[grid]\nleft= " + value + " \n").ReadInteger("grid", "left", 1);
    };
    EXPECT_EQ(read(std::string(2047, '0') + "9"), 0);
    // Trimmed first, then cut: what is left ends in blanks and is no integer.
    EXPECT_EQ(read("7" + std::string(2046, ' ') + "8"), 1);
}

TEST(IniFile, ListsTheKeysOfASectionInFileOrder) {
    const IniFile ini = IniFile::Parse("; buttons\n[sysButtons]\nbtnExit=\n; comment\n\nbtnNew=1\n"
                                       "btnUndo\n=orphan\nbtnLoad = \n[opt_btnExit]\nx1=5\n");
    EXPECT_EQ(ini.ReadSection("SYSBUTTONS"),
              (std::vector<std::string>{"btnExit", "btnNew", "btnLoad"}));
    EXPECT_TRUE(ini.ReadSection("opt_btnNew").empty());
}

TEST(IniFile, ALineWithoutEqualsSignIsNoEntry) {
    const IniFile ini = IniFile::Parse("[view]\ntheme\nalpha\n");
    EXPECT_EQ(ini.ReadString("view", "theme", "current.tvt"), "current.tvt");
    EXPECT_EQ(ini.ReadInteger("view", "alpha", 7), 7);
    EXPECT_TRUE(ini.ReadSection("view").empty());
}

TEST(IniFile, ReadsAByteOrderMarkAsNoPartOfTheFirstSection) {
    const IniFile ini = IniFile::Parse("\xEF\xBB\xBF[about]\nname=Bom\n");
    EXPECT_EQ(ini.ReadString("about", "name", ""), "Bom");
    EXPECT_EQ(ini.Text(), "\xEF\xBB\xBF[about]\nname=Bom\n");
}

TEST(IniFile, WritingOneKeyKeepsTheRestOfTheFile) {
    IniFile ini = IniFile::Parse("; Tilvora\r\n[view]\r\nTheme = old.tvt\r\nalpha=1\r\n\r\n"
                                 "[sound]\r\nexp=1\r\n");
    ini.WriteString("VIEW", "theme", "new.tvt");
    ini.WriteInteger("view", "alpha_value", 200);
    ini.WriteBool("music", "loop", true);
    EXPECT_EQ(ini.Text(), "; Tilvora\r\n[view]\r\nTheme=new.tvt\r\nalpha=1\r\nalpha_value=200\r\n"
                          "\r\n[sound]\r\nexp=1\r\n\r\n[music]\r\nloop=1\r\n");
}

TEST(IniFile, WritesIntoAnEmptyFileAndReadsBack) {
    IniFile ini;
    ini.WriteString("game", "dictionary", "English.tvd");
    ini.WriteString("game", "dictionary", "Other.tvd");
    ini.WriteString("view", "theme", "line\nbreak");
    EXPECT_EQ(ini.Text(), "[game]\ndictionary=Other.tvd\n\n[view]\ntheme=line break\n");
    EXPECT_EQ(IniFile::Parse(ini.Text()).ReadString("view", "theme", ""), "line break");
}

TEST(IniFile, LoadsAFileAndRefusesAMissingOrOversizedOne) {
    const auto path = std::filesystem::path(testing::TempDir()) / "tilvora_ini_test.ini";
    std::ofstream(path) << "[view]\ntheme=Tilvora.tvt\n";
    const auto ini = IniFile::LoadFile(path);
    ASSERT_TRUE(ini);
    EXPECT_EQ(ini->ReadString("view", "theme", ""), "Tilvora.tvt");
    EXPECT_FALSE(IniFile::LoadFile(path, 10));
    std::filesystem::remove(path);
    EXPECT_FALSE(IniFile::LoadFile(path));
}

} // namespace
} // namespace tilvora
