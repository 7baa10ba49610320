// A ZIP archive opened read-only with libzip, from a file or from bytes in memory. Members are
// looked up at the archive root only, without regard to case; reads are capped in size.
#pragma once

#include <QByteArray>

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

struct zip;

namespace tilvora {

// A problem with an archive or one of its members, described for a person.
class ZipError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class ZipArchive {
  public:
    static ZipArchive Open(const std::string& path);
    static ZipArchive OpenMemory(const QByteArray& bytes);

    // The index of the first member at the root whose name matches, case ignored.
    std::optional<uint64_t> FindRootMember(std::string_view name) const;
    // The uncompressed bytes of a member; ZipError when it holds more than max_bytes, does not
    // decompress, or decompresses to another size than the archive states.
    QByteArray ReadMember(uint64_t index, uint64_t max_bytes) const;

  private:
    struct closer_t {
        void operator()(zip* archive) const;
    };
    ZipArchive(std::unique_ptr<zip, closer_t> archive, QByteArray bytes);

    std::unique_ptr<zip, closer_t> archive;
    QByteArray bytes; // the archive's bytes when it was opened from memory
};

} // namespace tilvora
