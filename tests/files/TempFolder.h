// A fresh folder under the system's temporary folder, removed with everything in it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace tilvora {

class TempFolder {
  public:
    TempFolder() {
        std::random_device seed;
        folder = std::filesystem::temp_directory_path() /
                 ("tilvora-files-" + std::to_string(seed()) + "-" + std::to_string(seed()));
        std::filesystem::create_directories(folder);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string Path(const std::string& name) const { return (folder / name).string(); }

    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
        std::ofstream out(Path(name), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        return Path(name);
    }

    std::vector<uint8_t> Read(const std::string& name) const {
        std::ifstream in(Path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    size_t EntryCount() const {
        return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                 std::filesystem::directory_iterator()));
    }

  private:
    std::filesystem::path folder;
};

} // namespace tilvora
