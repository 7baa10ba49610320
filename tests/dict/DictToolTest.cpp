#include "CRijndael.h"
#include "DataEnvelope.h"
#include "DictionaryFile.h"
#include "TestBitmap.h"
#include "ToolRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace tilvora {
namespace {

namespace fs = std::filesystem;
using test::RunTool;
using test::tool_run_t;

// One word of each target length class, plus one the board cannot hold.
constexpr char kPlayableList[] = "# animals\n"
                                 "Cat\r\n"
                                 "\n"
                                 "dog\n"
                                 "ELEPHANTINE\n"
                                 "horse\n"
                                 "giraffe";

class DictToolTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = fs::temp_directory_path() /
                 ("tilvora-dict-" + std::to_string(getpid()) + "-" + test->name());
        fs::create_directories(folder);
        output = (folder / "out.tvd").string();
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string WriteFile(const std::string& name, const std::string& text) {
        const std::string path = (folder / name).string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    std::string WriteFile(const std::string& name, const std::vector<uint8_t>& bytes) {
        return WriteFile(name, std::string(bytes.begin(), bytes.end()));
    }

    tool_run_t Build(const std::string& name, const std::string& list, argument_list_t extra = {}) {
        argument_list_t args = {"build", "-o", output, "--name", name};
        args.insert(args.end(), extra.begin(), extra.end());
        args.push_back(WriteFile("list.txt", list));
        return RunTool(args);
    }

    fs::path folder;
    std::string output;
};

TEST_F(DictToolTest, BuiltDictionaryReadsBackAsTheGameLoadsIt) {
    const std::string description = WriteFile("description.txt", "Furry\n\nand feathered\r\n");
    const std::string picture = WriteFile("picture.bmp", test::MakeBmp(3, 2));
    const tool_run_t built =
        Build("Animals", kPlayableList, {"--description-file", description, "--picture", picture});
    ASSERT_EQ(built.status, 0) << built.err;
    EXPECT_NE(built.err.find("line 5: \"ELEPHANTINE\" has more than 10 letters"), std::string::npos)
        << built.err;

    const tool_run_t words = RunTool({"words", output});
    EXPECT_EQ(words.status, 0);
    EXPECT_EQ(words.out, "cat\ndog\nhorse\ngiraffe\n");

    const tool_run_t info = RunTool({"info", output});
    EXPECT_EQ(info.status, 0);
    EXPECT_EQ(info.out, "name: Animals\n"
                        "description:\n"
                        "  Furry\n"
                        "\n"
                        "  and feathered\n"
                        "picture: 78 bytes, 3 x 2 pixels, 24 bits per pixel\n"
                        "words: 5\n"
                        "loadable words: 4\n"
                        "words of 0-2 letters: 0\n"
                        "words of 3-4 letters: 2\n"
                        "words of 5-6 letters: 1\n"
                        "words of 7-8 letters: 1\n"
                        "words of 9-10 letters: 0\n");
}

TEST_F(DictToolTest, TextsAtTheirLimitsAreStoredWhole) {
    const std::string name(127, 'n');
    const std::string word(1023, 'w');
    const std::string description = WriteFile("description.txt", std::string(1023, 'd'));
    const tool_run_t built =
        Build(name, std::string(kPlayableList) + "\n" + word, {"--description-file", description});
    ASSERT_EQ(built.status, 0) << built.err;

    const tool_run_t info = RunTool({"info", output});
    EXPECT_NE(info.out.find("name: " + name + "\n"), std::string::npos);
    EXPECT_NE(info.out.find("  " + std::string(1023, 'd') + "\n"), std::string::npos);
    EXPECT_NE(info.out.find("picture: none\nwords: 6\nloadable words: 4\n"), std::string::npos);
}

TEST_F(DictToolTest, RefusesWhatTheGameCouldNotUse) {
    struct case_t {
        const char* what;
        std::string name;
        std::string list;
        std::string description;
        std::string picture;
        const char* message;
    };
    const std::string playable = kPlayableList;
    const std::string bmp_text = [] {
        const std::vector<uint8_t> bmp = test::MakeBmp(2, 2);
        return std::string(bmp.begin(), bmp.end());
    }();
    const case_t cases[] = {
        {"name over 127 bytes", std::string(128, 'n'), playable, "", bmp_text,
         "the name is 128 bytes long; at most 127 are allowed"},
        {"empty name", "", playable, "", bmp_text, "the name is empty"},
        {"description over 1023 bytes", "A", playable, std::string(1024, 'd'), bmp_text,
         "the description is 1024 bytes long; at most 1023 are allowed"},
        {"word with a blank", "A", playable + "\nice cream", "", bmp_text,
         "line 8: \"ice cream\" holds a blank or control character (byte 32)"},
        {"word with a tab", "A", "cat\tdog\n" + playable, "", bmp_text,
         "line 1: \"cat\tdog\" holds a blank or control character (byte 9)"},
        {"word over 1023 bytes", "A", playable + "\n" + std::string(1024, 'w'), "", bmp_text,
         "line 8: the word is 1024 bytes long; at most 1023 are allowed"},
        {"picture not a BMP", "A", playable, "", "\x89PNG\r\n\x1a\n and more bytes than that",
         "is not a BMP picture"},
        {"no 7-8 letter word", "A", "cat\ndog\nhorse\nmouse\nELEPHANTINE", "", bmp_text,
         "has no word of 7-8 letters"},
        {"no 3-4 letter word", "A", "horse\ngiraffe\nmouse\nbuffalo", "", bmp_text,
         "has no word of 3-4 letters"},
        {"fewer than 4 words", "A", "cat\nhorse\ngiraffe\n", "", bmp_text,
         "the game would load only 3 words; it needs at least 4"},
    };
    for (const case_t& c : cases) {
        SCOPED_TRACE(c.what);
        const tool_run_t run =
            Build(c.name, c.list,
                  {"--description-file", WriteFile("description.txt", c.description), "--picture",
                   WriteFile("picture.bmp", c.picture)});
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_FALSE(fs::exists(output));
    }
}

TEST_F(DictToolTest, RefusesFilesThatAreNotReadableDictionaries) {
    const std::string list = WriteFile("list.txt", kPlayableList);
    // Header check passes, but the stored word count runs the parser past the data.
    std::vector<uint8_t> overcounted = BuildDictionaryImage("A", "", {}, {"cat", "dog"});
    overcounted[137] = 3; // word_count: after the empty description and picture
    CRijndael cipher;
    KeyDataCipher(cipher);
    const std::string damaged = WriteFile("damaged.tvd", EncipherImage(cipher, overcounted));

    const std::pair<std::string, const char*> cases[] = {
        {(folder / "missing.tvd").string(), "cannot read"},
        {WriteFile("short.tvd", std::string(16, 'x')), "too short to be a dictionary (16 bytes)"},
        {list, "is not a dictionary"},
        {damaged, "is a damaged dictionary"},
    };
    for (const auto& [path, message] : cases) {
        for (const char* command : {"info", "words"}) {
            SCOPED_TRACE(path + " " + command);
            const tool_run_t run = RunTool({command, path});
            EXPECT_EQ(run.status, 1);
            EXPECT_EQ(run.out, "");
            EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        }
    }
}

TEST_F(DictToolTest, WrongCommandLinesPrintTheUsage) {
    const std::string list = WriteFile("list.txt", kPlayableList);
    const argument_list_t cases[] = {
        {},
        {"make", list},
        {"build", "-o", output, list},
        {"build", "-o", output, "--name", "A", "--colour", "red", list},
        {"build", "-o", output, "--name", "A", list, list},
        {"build", "-o", output, "--name"},
        {"info"},
        {"words", list, list},
    };
    for (const argument_list_t& args : cases) {
        const tool_run_t run = RunTool(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("usage:"), std::string::npos);
    }
    EXPECT_FALSE(fs::exists(output));
}

} // namespace
} // namespace tilvora
