// Page-like texts for the benchmarks: HTML with GBK Chinese, ending in the
// item records, so a search for the records reads nearly all of it.
#pragma once

#include <cstddef>

#include "text/byte_text.h"

namespace velloran::bench {

Text channelPage(std::size_t bytes);

}  // namespace velloran::bench
