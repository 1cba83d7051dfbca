// The desktop's clipboard and its default handler for addresses.
#pragma once

#include "text/byte_text.h"

namespace velloran::gtk {

// Takes the clipboard and offers `gbk` as UTF-8 text to every program that
// asks while this one runs; false when the clipboard cannot be taken.
bool putOnClipboard(const Text& gbk);

// Hands the address to the desktop's default handler for its scheme. What
// the handler does, or that there is none, is not ours to report.
void openWithDefaultHandler(const Text& gbkAddress);

}  // namespace velloran::gtk
