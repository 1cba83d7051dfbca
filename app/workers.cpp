#include "app/workers.h"

#include <vector>

#include "app/program_state.h"
#include "harvest/extract_item_links.h"

namespace velloran {

namespace {

// Every worker not yet reaped; window's thread only.
std::vector<std::shared_ptr<Worker>> workers;

thread_local Worker* currentWorker = nullptr;

}  // namespace

void Worker::stop() {
    std::lock_guard<std::mutex> lock(stepLock);
    stopped = true;
}

void startHarvest() {
    reapFinishedWorkers();
    auto worker = std::make_shared<Worker>();
    worker->thread = host().startThread([worker] {
        currentWorker = worker.get();
        extractItemLinks();
        currentWorker = nullptr;
        worker->finished = true;
    });
    if (!worker->thread) {
        state.workerThread.reset();
        return;
    }
    workers.push_back(worker);
    state.workerThread = worker;
}

bool workerStep(const std::function<void()>& change) {
    Worker* self = currentWorker;
    if (!self) {
        change();
        return true;
    }
    std::lock_guard<std::mutex> lock(self->stepLock);
    if (self->stopped) return false;
    change();
    return true;
}

bool carryToWindowThread(const std::function<void()>& task) {
    Platform& platform = host();
    if (platform.isWindowThread()) {
        task();
        return true;
    }
    Worker* self = currentWorker;
    if (self && self->stopped) return false;
    // The stop is decided on the window's thread, so checking it there when
    // the request is served keeps a stopped worker's late request from acting.
    bool ran = false;
    platform.runOnWindowThread([&] {
        if (self && self->stopped) return;
        task();
        ran = true;
    });
    return ran;
}

bool currentWorkerStopped() { return currentWorker && currentWorker->stopped; }

void stopAllWorkers() {
    for (const auto& worker : workers) worker->stop();
}

void joinAllWorkers() {
    for (const auto& worker : workers) worker->thread->join();
    workers.clear();
}

void reapFinishedWorkers() {
    std::vector<std::shared_ptr<Worker>> running;
    for (auto& worker : workers) {
        if (worker->finished) {
            worker->thread->join();
        } else {
            running.push_back(std::move(worker));
        }
    }
    workers.swap(running);
}

}  // namespace velloran
