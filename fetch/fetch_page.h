// The one download of the source page, through the host's request object.
#pragma once

#include "text/byte_text.h"

namespace velloran {

// One synchronous GET of `address`; the body's bytes up to the first NUL, or
// the null text when nothing could be had. Only a request object that cannot
// be created at all is reported (a box); every later failure is silent.
Text fetchPage(const Text& address);

}  // namespace velloran
