// The program-wide state that the window's thread and the harvest workers
// share. It lives from start-up to releaseState.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

#include "text/byte_text.h"
#include "text/text_list.h"

namespace velloran {

struct Worker;

struct ProgramState {
    Text sourceAddress;                    // window's thread only
    std::shared_ptr<Worker> workerThread;  // the newest worker, or none; window's thread only
    std::atomic<std::int32_t> pageStep{0};
    std::atomic<std::int32_t> titleCount{0};
    TextList itemLinks;        // appended by workers, read by the window's thread
    std::mutex itemLinksLock;  // guards every append to and every take from itemLinks
    Text lastTitle;            // window's thread only
};

extern ProgramState state;

// Start-up: every variable at its initial value, itemLinks empty.
void createState();
// The exit clean-up: sourceAddress, each link in order and the list, lastTitle.
void releaseState();

// Appends under the lock; gives a copy of element n, taken under the lock.
void appendItemLink(const Text& link);
Text itemLinkAt(std::int32_t n);

}  // namespace velloran
