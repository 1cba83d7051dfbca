#pragma once

#include "text/byte_text.h"

namespace velloran {

// Hands `address` to the shell's "open", which passes an http address to the
// default browser. Neither waits nor reports anything.
void openInBrowser(const Text& address);

}  // namespace velloran
