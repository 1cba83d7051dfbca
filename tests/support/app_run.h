// Helpers for running the whole program on the test platform.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/program_state.h"
#include "text/literals.h"
#include "tests/support/test_platform.h"

namespace velloran::testing {

// An item record of the source page, in the marketplace's shape.
inline Text itemRecord(const std::string& link) {
    return concatText(makeText(literals::linkStartMarker), Text(link.data(), link.size()),
                      makeText(literals::linkEndMarker), makeText("//img.example/p.jpg"),
                      makeText(literals::recordEndMarker));
}

inline std::vector<unsigned char> bytesOf(const Text& text) { return {text.begin(), text.end()}; }

// Links 1 to n of itemLinks, taken under the lock.
inline std::vector<Text> itemLinks() {
    std::lock_guard<std::mutex> lock(state.itemLinksLock);
    return {state.itemLinks.begin(), state.itemLinks.end()};
}

// Serves the window's thread until the browser view has been asked for `count` loads.
inline bool servedUntilLoads(TestPlatform& window, std::size_t count) {
    return window.serveUntil([&] { return window.navigations.size() >= count; });
}

}  // namespace velloran::testing
