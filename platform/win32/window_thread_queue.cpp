#include "platform/win32/window_thread_queue.h"

#include <utility>

namespace velloran::win32 {

void WindowThreadQueue::attach(HWND window) {
    std::lock_guard<std::mutex> guard(lock);
    target = window;
}

void WindowThreadQueue::abandonAll() {
    std::deque<std::shared_ptr<Request>> dropped;
    {
        std::lock_guard<std::mutex> guard(lock);
        closing = true;
        dropped.swap(queue);
    }
    for (const auto& request : dropped) release(*request, false);
}

bool WindowThreadQueue::runAndWait(const std::function<void()>& task) {
    auto request = std::make_shared<Request>();
    request->task = task;
    request->done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (request->done == nullptr) return false;
    bool ran = false;
    if (enqueue(request)) {
        WaitForSingleObject(request->done, INFINITE);
        // The event was set after `ran` was written, on either path.
        ran = request->ran;
    }
    CloseHandle(request->done);
    return ran;
}

void WindowThreadQueue::post(std::function<void()> task) {
    auto request = std::make_shared<Request>();
    request->task = std::move(task);
    enqueue(request);
}

bool WindowThreadQueue::enqueue(const std::shared_ptr<Request>& request) {
    std::lock_guard<std::mutex> guard(lock);
    if (closing || target == nullptr) return false;
    queue.push_back(request);
    if (!PostMessageA(target, taskMessage, 0, 0)) {
        queue.pop_back();
        return false;
    }
    return true;
}

void WindowThreadQueue::serveOne() {
    std::shared_ptr<Request> request;
    {
        std::lock_guard<std::mutex> guard(lock);
        // Abandoned tasks leave their messages behind; those find nothing.
        if (queue.empty()) return;
        request = queue.front();
        queue.pop_front();
    }
    // Outside the lock: the task may open a message box whose modal loop
    // serves the next request.
    request->task();
    release(*request, true);
}

void WindowThreadQueue::release(Request& request, bool ran) {
    request.ran = ran;
    if (request.done != nullptr) SetEvent(request.done);
}

}  // namespace velloran::win32
