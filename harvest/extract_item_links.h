// The work of one harvest worker: cut eight item links out of the page
// store, then start the browser view on the first link.
#pragma once

namespace velloran {

inline constexpr int linksPerHarvest = 8;

void extractItemLinks();

}  // namespace velloran
