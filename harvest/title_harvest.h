// Turning the browser view's page titles into keywords, one event at a time,
// while walking the first harvest's eight links.
#pragma once

#include <cstdint>

namespace velloran {

// New titles handled per harvest; after that every event is ignored.
inline constexpr std::int32_t titleLimit = 9;
// Links walked per harvest.
inline constexpr std::int32_t chainLength = 8;

void onTitleChanged();
// Loads link n of itemLinks for n up to chainLength; nothing past it.
void loadLink(std::int32_t n);

}  // namespace velloran
