#include "platform/platform.h"

namespace velloran {

namespace {
Platform* currentHost = nullptr;
}

Platform& host() { return *currentHost; }
void setHost(Platform* platform) { currentHost = platform; }

}  // namespace velloran
