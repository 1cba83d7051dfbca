// The whole run of the program on a host: start-up, the message loop and the
// exit sequence. A host's entry point builds its Platform and calls this.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace velloran {

// Gives the process exit code: 0 after the window has been closed. A fatal
// error ends the process inside and never returns here.
std::int32_t runApplication(Platform& platform);

}  // namespace velloran
