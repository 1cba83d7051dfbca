// The request object on libcurl: what the Windows build asks of XMLHTTP
// ("open", "send", "responseBody"), bound by member name.
#pragma once

#include <memory>

#include "platform/platform.h"

namespace velloran::gtk {

// Both ProgIDs of the request object name this one; any other gives null.
std::unique_ptr<RequestObject> newCurlRequest(const Text& progId);

void startCurl();
void stopCurl();

}  // namespace velloran::gtk
