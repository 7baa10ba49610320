#include "AppFolder.h"

#include <filesystem>

namespace tilvora {

std::string ExecutableFolder() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !exe.has_parent_path()) {
        return {};
    }
    std::string folder = exe.parent_path().string();
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

std::string JoinPath(const std::string& folder, const std::string& file) {
    return folder + "/" + file;
}

} // namespace tilvora
