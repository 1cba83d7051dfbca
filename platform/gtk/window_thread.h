// Carries work from other threads to the window's thread through the GLib
// main context. The message loop and every nested loop (a message box's
// gtk_dialog_run) iterate that context, so calls are served in both. Once
// the window is being destroyed, every waiting call is let go and every later
// one refused, so a worker that waits here never blocks the exit.
#pragma once

#include <condition_variable>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <thread>

namespace velloran::gtk {

class WindowThread {
public:
    // The calling thread becomes the window's thread.
    WindowThread();

    bool isCurrent() const;

    // Runs `task` on the window's thread while the caller waits; false,
    // without running it, when the window is (or goes) away first.
    bool run(const std::function<void()>& task);
    // Queues `task` and returns; dropped once the window is going away.
    void post(std::function<void()> task);
    // Runs `task` on the window's thread and waits, even while the window is
    // going away, as long as the main loop has not ended. For a message box
    // from a worker; false when it could not be run.
    bool runUntilLoopEnds(const std::function<void()>& task);

    // The window is being destroyed: let every waiting call go, refuse the rest.
    void closeGate();
    // The message loop has ended: nothing will serve calls any more.
    void loopEnded();

private:
    struct Call;
    bool carry(const std::function<void()>& task, bool pastGate);
    static int serve(void* call);

    std::thread::id owner;
    std::mutex lock;
    std::condition_variable answered;
    bool gateClosed = false;
    bool loopOver = false;
};

}  // namespace velloran::gtk
