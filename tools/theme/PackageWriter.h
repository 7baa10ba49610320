// Writes ZIP archives deterministically: members in the given order, deflated, each with the
// same fixed modification time, so equal inputs give byte-identical packages.
#pragma once

#include <QByteArray>

#include <filesystem>
#include <string>
#include <vector>

namespace tilvora {

struct package_member_t {
    std::string name;
    QByteArray bytes;
};

// Throws std::runtime_error naming the archive when it cannot be written.
void WritePackage(const std::filesystem::path& path, const std::vector<package_member_t>& members);

// Every regular file directly in folder, sorted by name; subfolders are not packed.
std::vector<package_member_t> ReadPackageFolder(const std::filesystem::path& folder);

} // namespace tilvora
