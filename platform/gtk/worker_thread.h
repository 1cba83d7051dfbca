// Worker threads as GThreads, which report a failed start instead of
// throwing.
#pragma once

#include <functional>
#include <memory>

#include "platform/platform.h"

namespace velloran::gtk {

std::unique_ptr<WorkerThread> startWorkerThread(std::function<void()> body);

}  // namespace velloran::gtk
