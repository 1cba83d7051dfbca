#include "harvest/extract_item_links.h"

#include "app/browser_view.h"
#include "app/controls.h"
#include "app/program_state.h"
#include "app/workers.h"

namespace velloran {

namespace {

// One pass over page text `page`: the bytes between the first link start
// marker and the first link end marker, both searched from the first byte.
Text cutLink(const Text& page, const Text& startMarker, const Text& endMarker) {
    const std::int32_t s = findText(page, startMarker);
    const std::int32_t e = findText(page, endMarker);
    return midText(page, s + textLength(startMarker), e - s - textLength(startMarker));
}

// What is left of `page` after the first byte of its first record end marker.
Text pastRecordEnd(const Text& page, const Text& recordEndMarker) {
    const std::int32_t r = findText(page, recordEndMarker);
    return rightText(page, textLength(page) - r);
}

}  // namespace

void extractItemLinks() {
    if (!workerStep([] {
            state.pageStep = 0;
            state.titleCount = 0;
        })) {
        return;
    }
    for (int pass = 0; pass < linksPerHarvest; ++pass) {
        // Only another worker can change the page store meanwhile, so one
        // read serves the whole pass.
        const Text page = readFieldText(ControlId::编辑框1);
        const Text startMarker = readFieldText(ControlId::编辑框6);
        const Text endMarker = readFieldText(ControlId::编辑框7);
        const Text link = cutLink(page, startMarker, endMarker);
        if (!workerStep([&] { appendItemLink(link); })) return;
        const Text recordEndMarker = readFieldText(ControlId::编辑框11);
        if (currentWorkerStopped()) return;
        writeFieldText(ControlId::编辑框1, pastRecordEnd(page, recordEndMarker));
    }
    clearList();
    workerStep([] { loadAddress(itemLinkAt(1)); });
}

}  // namespace velloran
