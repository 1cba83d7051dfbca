// The GTK build's cross-thread calls on a bare GLib main context: served by
// the main loop and by a nested one, let go when the window goes away, never
// left hanging. Prints one "ok NAME" or "FAIL NAME" line per case.
#include <glib.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <thread>

#include "platform/gtk/window_thread.h"

using velloran::gtk::WindowThread;

namespace {

int failures = 0;

void report(const char* name, bool passed) {
    std::printf("%s %s\n", passed ? "ok" : "FAIL", name);
    if (!passed) ++failures;
}

// Iterates the default context until `done` or about 10 s have passed.
bool serveUntil(const std::function<bool()>& done) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        g_main_context_iteration(nullptr, FALSE);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// Waits, without serving, until a worker's call has been queued.
bool callQueued() {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (g_main_context_pending(nullptr) == FALSE) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

void servedByTheLoop() {
    WindowThread gate;
    std::atomic<bool> finished{false};
    bool answered = false;
    std::thread::id ranOn;
    std::thread worker([&] {
        answered = gate.run([&] { ranOn = std::this_thread::get_id(); });
        finished = true;
    });
    bool served = serveUntil([&] { return finished.load(); });
    worker.join();
    report("a worker's call runs on the window's thread while the worker waits",
           served && answered && ranOn == std::this_thread::get_id());
}

void servedByANestedLoop() {
    WindowThread gate;
    std::atomic<bool> finished{false};
    bool insideBox = false;
    bool ranInside = false;
    // A message box: a handler that runs a loop of its own while it is open.
    std::function<void()> box = [&] {
        insideBox = true;
        std::thread worker([&] {
            gate.run([&] { ranInside = insideBox; });
            finished = true;
        });
        serveUntil([&] { return finished.load(); });
        worker.join();
        insideBox = false;
    };
    g_idle_add(
        [](gpointer handler) -> gboolean {
            (*static_cast<std::function<void()>*>(handler))();
            return G_SOURCE_REMOVE;
        },
        &box);
    bool served = serveUntil([&] { return finished.load(); });
    report("a worker's call is served inside a nested loop", served && ranInside);
}

void waitingCallLetGoAtClose() {
    WindowThread gate;
    std::atomic<bool> ran{false};
    std::atomic<int> answer{-1};
    std::thread worker([&] { answer = gate.run([&] { ran = true; }) ? 1 : 0; });
    bool queued = callQueued();
    gate.closeGate();
    worker.join();
    serveUntil([] { return g_main_context_pending(nullptr) == FALSE; });
    report("a call waiting when the window goes away returns false and never runs",
           queued && answer == 0 && !ran);
}

void laterCallsRefused() {
    WindowThread gate;
    gate.closeGate();
    std::atomic<bool> ran{false};
    bool answered = true;
    std::thread worker([&] { answered = gate.run([&] { ran = true; }); });
    worker.join();
    bool posted = false;
    gate.post([&] { posted = true; });
    serveUntil([] { return g_main_context_pending(nullptr) == FALSE; });
    report("once the window goes away, calls are refused at once and posts dropped", !answered && !ran && !posted);
}

void postsQueuedBeforeCloseDropped() {
    WindowThread gate;
    bool first = false;
    bool second = false;
    gate.post([&] { first = true; });
    serveUntil([&] { return first; });
    gate.post([&] { second = true; });
    gate.closeGate();
    serveUntil([] { return g_main_context_pending(nullptr) == FALSE; });
    report("a post runs in order, and one still queued at close is dropped", first && !second);
}

void messageBoxCallPastTheGate() {
    WindowThread gate;
    gate.closeGate();
    std::atomic<bool> finished{false};
    bool answered = false;
    std::thread worker([&] {
        answered = gate.runUntilLoopEnds([] {});
        finished = true;
    });
    bool served = serveUntil([&] { return finished.load(); });
    worker.join();
    report("a worker's message box is still shown while the window goes away", served && answered);
}

void waitingBoxLetGoWhenLoopEnds() {
    WindowThread gate;
    std::atomic<bool> ran{false};
    std::atomic<int> answer{-1};
    std::thread worker([&] { answer = gate.runUntilLoopEnds([&] { ran = true; }) ? 1 : 0; });
    bool queued = callQueued();
    gate.closeGate();
    gate.loopEnded();
    worker.join();
    bool refusedAfter = !gate.runUntilLoopEnds([] {});
    serveUntil([] { return g_main_context_pending(nullptr) == FALSE; });
    report("once the loop has ended nothing waits on it", queued && answer == 0 && !ran && refusedAfter);
}

}  // namespace

int main() {
    servedByTheLoop();
    servedByANestedLoop();
    waitingCallLetGoAtClose();
    laterCallsRefused();
    postsQueuedBeforeCloseDropped();
    messageBoxCallPastTheGate();
    waitingBoxLetGoWhenLoopEnds();
    return failures == 0 ? 0 : 1;
}
