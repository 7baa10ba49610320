// Replacing a file whole: the bytes go to a temporary file in the target's folder, are
// flushed to disk and then renamed over the target, so the target is never half-written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tilvora {

// True when path now holds exactly the given bytes. On any failure the temporary file is
// removed, the target keeps its old content and false is returned.
bool WriteFileAtomically(const std::string& path, const uint8_t* data, size_t size);
inline bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes) {
    return WriteFileAtomically(path, bytes.data(), bytes.size());
}

} // namespace tilvora
