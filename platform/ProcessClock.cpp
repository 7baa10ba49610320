#include "ProcessClock.h"

#include <chrono>

namespace tilvora {

namespace {
const auto process_start = std::chrono::steady_clock::now();
}

int32_t ProcessClockMs() {
    const auto elapsed = std::chrono::steady_clock::now() - process_start;
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
    return static_cast<int32_t>(static_cast<uint32_t>(ms));
}

} // namespace tilvora
