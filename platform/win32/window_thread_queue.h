// Carries tasks from other threads to the window's thread by window
// messages. A posted message is dispatched by the message loop and by every
// modal loop (message boxes), so a waiting worker is served in both. Once
// the window is being destroyed every queued and every later task is
// dropped, and a waiting caller is released with false: a worker that waits
// for the window's thread while that thread stops it can never deadlock.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <memory>
#include <mutex>

namespace velloran::win32 {

class WindowThreadQueue {
public:
    // The message the window procedure hands to serveOne.
    static constexpr UINT taskMessage = WM_APP + 1;

    void attach(HWND window);
    // Window's thread, when the window is being destroyed.
    void abandonAll();

    bool runAndWait(const std::function<void()>& task);
    void post(std::function<void()> task);

    // Window's thread, for each taskMessage: runs the oldest queued task.
    void serveOne();

private:
    struct Request {
        std::function<void()> task;
        HANDLE done = nullptr;  // set for a waiting caller, null for a post
        bool ran = false;
    };

    bool enqueue(const std::shared_ptr<Request>& request);
    static void release(Request& request, bool ran);

    std::mutex lock;
    HWND target = nullptr;
    bool closing = false;
    std::deque<std::shared_ptr<Request>> queue;
};

}  // namespace velloran::win32
