// Atomic replacement of files and the application folder layout.
#include "AppFolder.h"
#include "AtomicFile.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace tilvora {
namespace {

TEST(AtomicFile, WritesAndReplacesWholeFiles) {
    TempFolder temp;
    const std::string path = temp.Path("target.bin");
    EXPECT_TRUE(WriteFileAtomically(path, std::vector<uint8_t>(3000, 1)));
    EXPECT_TRUE(WriteFileAtomically(path, std::vector<uint8_t>{7, 8}));
    EXPECT_EQ(temp.Read("target.bin"), (std::vector<uint8_t>{7, 8}));
    EXPECT_EQ(temp.EntryCount(), 1u);
}

TEST(AtomicFile, FailureLeavesTargetAndNoTemporaryFile) {
    TempFolder temp;
    std::filesystem::create_directory(temp.Path("folder"));
    temp.Write("folder/inside", {1});
    EXPECT_FALSE(WriteFileAtomically(temp.Path("folder"), std::vector<uint8_t>{1, 2}));
    EXPECT_FALSE(WriteFileAtomically(temp.Path("missing/file"), std::vector<uint8_t>{1}));
    EXPECT_EQ(temp.EntryCount(), 1u);
    EXPECT_EQ(temp.Read("folder/inside"), std::vector<uint8_t>{1});
}

TEST(AppFolder, ExecutableFolderHoldsThisProgram) {
    const std::string folder = ExecutableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(folder + "files_tests"));
}

TEST(AppFolder, StateDefaultsAndDataPaths) {
    app_state_t state;
    state.app_dir = "/games/tilvora/";
    EXPECT_EQ(state.DictionaryPath(), "/games/tilvora/data/dictionaries/");
    state.dictionary_file = "cars.tvd";
    state.theme_file = "classic.tvt";
    EXPECT_EQ(state.DictionaryPath(), "/games/tilvora/data/dictionaries/cars.tvd");
    EXPECT_EQ(state.ThemePath(), "/games/tilvora/data/themes/classic.tvt");
    EXPECT_EQ(state.ScoresPath(), "/games/tilvora/data/scores.bin");
    EXPECT_EQ(state.SettingsPath(), "/games/tilvora/data/settings.ini");
    EXPECT_EQ(state.DataPath(saves_folder), "/games/tilvora/data/saves");
    EXPECT_TRUE(state.cb_exp && state.cb_pick && state.cb_levelup && state.cb_lettermove &&
                state.cb_nopath && state.cb_butover && state.cb_butdown);
    EXPECT_FALSE(state.cb_music);
}

} // namespace
} // namespace tilvora
