#include "AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace tilvora {
namespace {

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Creates a new file beside path whose name no other writer uses.
int CreateTemporary(const std::string& path, std::string& temp_path) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp_path = path + ".tmp." + std::to_string(getpid()) + "." + std::to_string(counter++);
        const int fd = open(temp_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

bool WriteAll(int fd, const uint8_t* data, size_t size) {
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

// Makes the rename itself durable; a folder that cannot be synced does not undo the write.
void SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

} // namespace

bool WriteFileAtomically(const std::string& path, const uint8_t* data, size_t size) {
    std::string temp_path;
    const int fd = CreateTemporary(path, temp_path);
    if (fd < 0) {
        return false;
    }
    const bool written = WriteAll(fd, data, size) && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    if (!written || !closed || rename(temp_path.c_str(), path.c_str()) != 0) {
        unlink(temp_path.c_str());
        return false;
    }
    SyncFolder(FolderOf(path));
    return true;
}

} // namespace tilvora
