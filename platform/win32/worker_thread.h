// Worker threads on the C runtime's thread start, joined by waiting on
// their handle. A worker is never killed: it ends by returning.
#pragma once

#include <functional>
#include <memory>

#include "platform/platform.h"

namespace velloran::win32 {

std::unique_ptr<WorkerThread> startWin32Thread(std::function<void()> body);

}  // namespace velloran::win32
