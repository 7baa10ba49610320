// The application folder, the data layout below it and the shared current choices.
#pragma once

#include <string>

namespace tilvora {

// Data layout below the application folder.
inline constexpr char dictionaries_folder[] = "data/dictionaries";
inline constexpr char themes_folder[] = "data/themes";
inline constexpr char music_folder[] = "data/music";
inline constexpr char saves_folder[] = "data/saves";
inline constexpr char scores_file[] = "data/scores.bin";
inline constexpr char settings_file[] = "data/settings.ini";

// The folder of the running executable with a trailing "/"; empty when it cannot be found.
std::string ExecutableFolder();

// Joined as text: folder + "/" + file. An empty file name gives the folder and "/" alone.
std::string JoinPath(const std::string& folder, const std::string& file);

// The application folder, the current dictionary, theme and music track and the eight
// option switches, shared by every window.
struct app_state_t {
    std::string app_dir;         // ends with "/"
    std::string dictionary_file; // bare file name inside data/dictionaries
    std::string theme_file;      // bare file name inside data/themes
    std::string music_file;      // full path of the track last started

    bool cb_exp = true;
    bool cb_pick = true;
    bool cb_levelup = true;
    bool cb_lettermove = true;
    bool cb_nopath = true;
    bool cb_butover = true;
    bool cb_butdown = true;
    bool cb_music = false;

    // app_dir + a data sub-folder or file of the layout above.
    std::string DataPath(const char* layout_entry) const { return app_dir + layout_entry; }
    std::string DictionaryPath() const {
        return JoinPath(DataPath(dictionaries_folder), dictionary_file);
    }
    std::string ThemePath() const { return JoinPath(DataPath(themes_folder), theme_file); }
    std::string ScoresPath() const { return DataPath(scores_file); }
    std::string SettingsPath() const { return DataPath(settings_file); }
};

} // namespace tilvora
