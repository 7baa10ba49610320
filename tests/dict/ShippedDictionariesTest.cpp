// The dictionaries the build puts into the game's data folder must let the game play.
#include "ToolRun.h"

#include <gtest/gtest.h>

#include <string>

namespace tilvora {
namespace {

// The number on the line "label: number" of the info output; -1 when there is no such line.
int32_t CountAfter(const std::string& info, const std::string& label) {
    const std::string line_start = label + ": ";
    const size_t at = info.starts_with(line_start) ? 0 : info.find("\n" + line_start);
    if (at == std::string::npos) {
        return -1;
    }
    return std::stoi(info.substr(info.find(": ", at) + 2));
}

TEST(ShippedDictionariesTest, EachIsNamedPlayableAndPictured) {
    struct case_t {
        const char* name;
        int32_t least_words;
    };
    for (const case_t& c : {case_t{"English", 10000}, case_t{"Cars", 300}}) {
        SCOPED_TRACE(c.name);
        const std::string path = std::string(TILVORA_DICTIONARY_FOLDER) + "/" + c.name + ".tvd";
        const test::tool_run_t info = test::RunTool({"info", path});
        ASSERT_EQ(info.status, 0) << info.err;
        EXPECT_NE(info.out.find(std::string("name: ") + c.name + "\n"), std::string::npos);
        EXPECT_GE(CountAfter(info.out, "loadable words"), c.least_words);
        EXPECT_EQ(CountAfter(info.out, "loadable words"), CountAfter(info.out, "words"));
        for (const char* target_class : {"3-4", "5-6", "7-8"}) {
            EXPECT_GE(CountAfter(info.out, std::string("words of ") + target_class + " letters"),
                      20);
        }
        if (TILVORA_DICTIONARY_PICTURES) {
            EXPECT_NE(info.out.find(" bytes, 253 x 61 pixels"), std::string::npos) << info.out;
        }
    }
}

} // namespace
} // namespace tilvora
