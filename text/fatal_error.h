// The report that ends the process: an index outside a text list, or memory
// that cannot be had.
#pragma once

#include <cstdint>

#include "text/byte_text.h"

namespace velloran {

// The box's text: the heading, the code unless it is 0, the message unless
// it is empty.
Text fatalErrorReport(std::int32_t code, const Text& message);

// Shows the report in a stop box titled "错误" and, once it is closed, ends
// the process with exit code -1. Any thread.
[[noreturn]] void fatalError(std::int32_t code, const Text& message);

}  // namespace velloran
