#include "ZipArchive.h"

#include "AsciiText.h"

#include <zip.h>

namespace tilvora {

namespace {

std::string OpenErrorText(int code) {
    switch (code) {
    case ZIP_ER_NOZIP:
        return "the file is not a ZIP archive, or is truncated";
    case ZIP_ER_NOENT:
        return "the file does not exist";
    case ZIP_ER_INCONS:
        return "the file is a damaged ZIP archive";
    default:
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        std::string text = std::string("the file cannot be opened: ") + zip_error_strerror(&error);
        zip_error_fini(&error);
        return text;
    }
}

struct file_closer_t {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

} // namespace

void ZipArchive::closer_t::operator()(zip* archive) const {
    zip_discard(archive);
}

ZipArchive::ZipArchive(std::unique_ptr<zip, closer_t> archive, QByteArray bytes)
    : archive(std::move(archive)), bytes(std::move(bytes)) {}

ZipArchive ZipArchive::Open(const std::string& path) {
    int code = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &code);
    if (archive == nullptr)
        throw ZipError(OpenErrorText(code));
    return ZipArchive(std::unique_ptr<zip, closer_t>(archive), {});
}

ZipArchive ZipArchive::OpenMemory(const QByteArray& bytes) {
    // libzip takes an empty buffer for a new, empty archive; an empty file is none.
    if (bytes.isEmpty())
        throw ZipError(OpenErrorText(ZIP_ER_NOZIP));
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(
        bytes.constData(), static_cast<zip_uint64_t>(bytes.size()), 0, &error);
    zip_t* archive = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    const int code = zip_error_code_zip(&error);
    zip_error_fini(&error);
    if (archive == nullptr) {
        zip_source_free(source);
        throw ZipError(OpenErrorText(code));
    }
    return ZipArchive(std::unique_ptr<zip, closer_t>(archive), bytes);
}

std::optional<uint64_t> ZipArchive::FindRootMember(std::string_view name) const {
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* member = zip_get_name(archive.get(), static_cast<zip_uint64_t>(i), 0);
        if (member == nullptr || std::string_view(member).find('/') != std::string_view::npos)
            continue;
        if (EqualIgnoringCase(member, name))
            return static_cast<uint64_t>(i);
    }
    return std::nullopt;
}

QByteArray ZipArchive::ReadMember(uint64_t index, uint64_t max_bytes) const {
    zip_stat_t stat;
    if (zip_stat_index(archive.get(), index, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE))
        throw ZipError("is not listed properly in the archive");
    if (stat.size > max_bytes)
        throw ZipError("is too large (" + std::to_string(stat.size) + " bytes, at most " +
                       std::to_string(max_bytes) + ")");
    std::unique_ptr<zip_file_t, file_closer_t> file(zip_fopen_index(archive.get(), index, 0));
    if (!file)
        throw ZipError(std::string("cannot be read: ") + zip_strerror(archive.get()));
    // Never trust the stated size: stop one byte past it, so a member that inflates to more
    // (a zip bomb) costs no more memory than an honest one.
    QByteArray data(static_cast<qsizetype>(stat.size + 1), Qt::Uninitialized);
    qsizetype total = 0;
    while (total < data.size()) {
        const zip_int64_t got = zip_fread(file.get(), data.data() + total,
                                          static_cast<zip_uint64_t>(data.size() - total));
        if (got < 0)
            throw ZipError(std::string("cannot be decompressed: ") + zip_file_strerror(file.get()));
        if (got == 0)
            break;
        total += static_cast<qsizetype>(got);
    }
    if (static_cast<uint64_t>(total) != stat.size)
        throw ZipError("does not decompress to the size the archive states");
    data.truncate(total);
    return data;
}

} // namespace tilvora
