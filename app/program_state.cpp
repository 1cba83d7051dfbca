#include "app/program_state.h"

#include "app/workers.h"

namespace velloran {

ProgramState state;

void createState() {
    state.sourceAddress = Text();
    state.workerThread.reset();
    state.pageStep = 0;
    state.titleCount = 0;
    TextList().swap(state.itemLinks);
    state.lastTitle = Text();
}

void releaseState() {
    Text().swap(state.sourceAddress);
    std::lock_guard<std::mutex> lock(state.itemLinksLock);
    for (Text& link : state.itemLinks) Text().swap(link);
    TextList().swap(state.itemLinks);
    Text().swap(state.lastTitle);
}

void appendItemLink(const Text& link) {
    std::lock_guard<std::mutex> lock(state.itemLinksLock);
    listAppend(state.itemLinks, link);
}

Text itemLinkAt(std::int32_t n) {
    std::lock_guard<std::mutex> lock(state.itemLinksLock);
    return listAt(state.itemLinks, n);
}

}  // namespace velloran
