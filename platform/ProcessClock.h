// Milliseconds since the process started, from a steady clock.
#pragma once

#include <cstdint>

namespace tilvora {

int32_t ProcessClockMs();

} // namespace tilvora
