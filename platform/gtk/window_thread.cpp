#include "platform/gtk/window_thread.h"

#include <glib.h>

namespace velloran::gtk {

// One call waiting on the window's thread. The waiter owns the task; the
// idle source may outlive the waiter, so it only touches the task while the
// waiter still waits for it.
struct WindowThread::Call {
    enum class State { queued, running, done, abandoned };
    WindowThread* gate;
    const std::function<void()>* task;
    bool pastGate;
    State state = State::queued;
};

namespace {

struct Posted {
    WindowThread* gate;
    std::function<void()> task;
};

}  // namespace

WindowThread::WindowThread() : owner(std::this_thread::get_id()) {}

bool WindowThread::isCurrent() const { return std::this_thread::get_id() == owner; }

bool WindowThread::run(const std::function<void()>& task) { return carry(task, false); }

bool WindowThread::runUntilLoopEnds(const std::function<void()>& task) { return carry(task, true); }

bool WindowThread::carry(const std::function<void()>& task, bool pastGate) {
    if (isCurrent()) {
        // Never wait for ourselves.
        if (loopOver || (gateClosed && !pastGate)) return false;
        task();
        return true;
    }
    auto call = std::make_shared<Call>();
    call->gate = this;
    call->task = &task;
    call->pastGate = pastGate;
    std::unique_lock<std::mutex> guard(lock);
    if (loopOver || (gateClosed && !pastGate)) return false;
    g_idle_add_full(
        G_PRIORITY_DEFAULT, &WindowThread::serve, new std::shared_ptr<Call>(call),
        [](void* data) { delete static_cast<std::shared_ptr<Call>*>(data); });
    for (;;) {
        if (call->state == Call::State::done) return true;
        if (call->state == Call::State::queued && (loopOver || (gateClosed && !pastGate))) {
            call->state = Call::State::abandoned;
            return false;
        }
        answered.wait(guard);
    }
}

int WindowThread::serve(void* data) {
    Call& call = **static_cast<std::shared_ptr<Call>*>(data);
    WindowThread& self = *call.gate;
    {
        std::lock_guard<std::mutex> guard(self.lock);
        if (call.state != Call::State::queued) return G_SOURCE_REMOVE;
        if (self.gateClosed && !call.pastGate) {
            call.state = Call::State::abandoned;
            self.answered.notify_all();
            return G_SOURCE_REMOVE;
        }
        call.state = Call::State::running;
    }
    (*call.task)();
    std::lock_guard<std::mutex> guard(self.lock);
    call.state = Call::State::done;
    self.answered.notify_all();
    return G_SOURCE_REMOVE;
}

void WindowThread::post(std::function<void()> task) {
    {
        std::lock_guard<std::mutex> guard(lock);
        if (gateClosed) return;
    }
    g_idle_add_full(
        G_PRIORITY_DEFAULT,
        [](void* data) -> int {
            auto& posted = *static_cast<Posted*>(data);
            bool closed;
            {
                std::lock_guard<std::mutex> guard(posted.gate->lock);
                closed = posted.gate->gateClosed;
            }
            if (!closed) posted.task();
            return G_SOURCE_REMOVE;
        },
        new Posted{this, std::move(task)}, [](void* data) { delete static_cast<Posted*>(data); });
}

void WindowThread::closeGate() {
    std::lock_guard<std::mutex> guard(lock);
    gateClosed = true;
    answered.notify_all();
}

void WindowThread::loopEnded() {
    std::lock_guard<std::mutex> guard(lock);
    loopOver = true;
    answered.notify_all();
}

}  // namespace velloran::gtk
