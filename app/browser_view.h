// The browser view 超文本浏览框1, as the harvest uses it.
#pragma once

#include "text/byte_text.h"

namespace velloran {

// Asks the view to load `address` unchanged and returns at once. From a
// worker the request is posted to the window's thread, where the view lives.
void loadAddress(const Text& address);

// Inside titleChanged: the title that event delivered, the same for every
// read. Outside it: the view's current location name.
Text pageTitle();

// Raises titleChanged for `title`. Window's thread.
void deliverTitle(const Text& title);

}  // namespace velloran
