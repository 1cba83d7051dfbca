#pragma once

#include <cstdint>

#include "text/byte_text.h"

namespace velloran {

// A message box with no owner, modal to the task (to the system when the
// style asks for it); waits until it is closed and gives the button. The
// title is "信息：" when none is given.
std::int32_t showMessage(const Text& text, std::uint32_t style = 0);
std::int32_t showMessage(const Text& text, std::uint32_t style, const Text& title);

}  // namespace velloran
