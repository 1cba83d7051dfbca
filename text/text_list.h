// The growable, append-only list of texts, numbered from 1.
#pragma once

#include <cstdint>
#include <vector>

#include "text/byte_text.h"

namespace velloran {

using TextList = std::vector<Text, TextAllocator<Text>>;

void listAppend(TextList& list, const Text& text);
std::int32_t listCount(const TextList& list);
// Element n, 1-based; outside 1..count the process ends through fatalError.
const Text& listAt(const TextList& list, std::int32_t n);

}  // namespace velloran
