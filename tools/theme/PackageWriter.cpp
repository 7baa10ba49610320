#include "PackageWriter.h"

#include <zip.h>

#include <algorithm>
#include <ctime>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace tilvora {

namespace {

// ZIP stores local time; a fixed local noon of 2024-01-01 reads back the same in any zone.
time_t FixedMemberTime() {
    std::tm noon{};
    noon.tm_year = 2024 - 1900;
    noon.tm_mday = 1;
    noon.tm_hour = 12;
    noon.tm_isdst = -1;
    return std::mktime(&noon);
}

[[noreturn]] void Fail(const std::filesystem::path& path, const std::string& problem) {
    throw std::runtime_error("cannot write \"" + path.string() + "\": " + problem);
}

void AddMember(zip_t* archive, const package_member_t& member) {
    zip_source_t* source = zip_source_buffer(archive, member.bytes.constData(),
                                             static_cast<zip_uint64_t>(member.bytes.size()), 0);
    const zip_int64_t index =
        source ? zip_file_add(archive, member.name.c_str(), source, ZIP_FL_ENC_UTF_8) : -1;
    if (index < 0) {
        zip_source_free(source);
        throw std::runtime_error(zip_strerror(archive));
    }
    const auto entry = static_cast<zip_uint64_t>(index);
    if (zip_file_set_mtime(archive, entry, FixedMemberTime(), 0) != 0 ||
        zip_set_file_compression(archive, entry, ZIP_CM_DEFLATE, 9) != 0)
        throw std::runtime_error(zip_strerror(archive));
}

} // namespace

void WritePackage(const std::filesystem::path& path, const std::vector<package_member_t>& members) {
    int code = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (archive == nullptr) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        const std::string problem = zip_error_strerror(&error);
        zip_error_fini(&error);
        Fail(path, problem);
    }
    try {
        for (const package_member_t& member : members)
            AddMember(archive, member);
    } catch (const std::runtime_error& error) {
        zip_discard(archive);
        Fail(path, error.what());
    }
    if (zip_close(archive) != 0) {
        const std::string problem = zip_strerror(archive);
        zip_discard(archive);
        Fail(path, problem);
    }
}

std::vector<package_member_t> ReadPackageFolder(const std::filesystem::path& folder) {
    std::vector<package_member_t> members;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (!entry.is_regular_file())
            continue;
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file),
                                std::istreambuf_iterator<char>()};
        if (!file && !file.eof())
            throw std::runtime_error("cannot read \"" + entry.path().string() + "\"");
        members.push_back({entry.path().filename().string(),
                           QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()))});
    }
    std::sort(members.begin(), members.end(),
              [](const auto& a, const auto& b) { return a.name < b.name; });
    return members;
}

} // namespace tilvora
