// Compact JSON texts for the driver's replies.
#pragma once

#include <string>

namespace tilvora {

// A JSON string of the bytes: the short escapes, \u00xx for other control bytes, 0x7F and
// every byte above it, all else as itself.
std::string JsonString(const std::string& bytes);

} // namespace tilvora
