#include "platform/gtk/worker_thread.h"

#include <glib.h>

namespace velloran::gtk {

namespace {

class GWorkerThread final : public WorkerThread {
public:
    explicit GWorkerThread(GThread* started) : thread(started) {}

    // A worker dropped without a join runs on by itself.
    ~GWorkerThread() override {
        if (thread != nullptr) g_thread_unref(thread);
    }

    void join() override {
        if (thread == nullptr) return;
        g_thread_join(thread);
        thread = nullptr;
    }

private:
    GThread* thread;
};

gpointer runBody(gpointer body) {
    std::unique_ptr<std::function<void()>> owned(static_cast<std::function<void()>*>(body));
    (*owned)();
    return nullptr;
}

}  // namespace

std::unique_ptr<WorkerThread> startWorkerThread(std::function<void()> body) {
    auto* owned = new std::function<void()>(std::move(body));
    GThread* thread = g_thread_try_new("velloran-worker", runBody, owned, nullptr);
    if (thread == nullptr) {
        delete owned;
        return nullptr;
    }
    return std::make_unique<GWorkerThread>(thread);
}

}  // namespace velloran::gtk
