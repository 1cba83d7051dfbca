// The shell's "open", the clipboard and message boxes.
#pragma once

#include <cstdint>

#include "text/byte_text.h"

namespace velloran::win32 {

void openWithShell(const Text& address, const Text& ownerTitle);
bool putTextOnClipboard(const Text& text);
std::int32_t showMessageBox(const Text& text, const Text& title, std::uint32_t style);

}  // namespace velloran::win32
