// Harvest workers: each startHarvest runs extractItemLinks on a thread of
// its own. A worker is stopped only between two of its steps: a step that
// changes program state runs under the worker's step lock, and stopping it
// takes that lock, so a stop never lands inside a step and, once it has
// returned, the worker takes no further step.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

#include "platform/platform.h"

namespace velloran {

struct Worker {
    // Window's thread. Waits for a step in progress, never for the worker's end.
    void stop();

    std::mutex stepLock;
    std::atomic<bool> stopped{false};
    std::atomic<bool> finished{false};
    std::unique_ptr<WorkerThread> thread;
};

// Starts a harvest on a new worker, which becomes workerThread (none when no
// thread could be started); the earlier one is left to run.
void startHarvest();

// Inside a worker: runs `change` as one step unless the worker has been
// stopped; false when it was not run and the worker should end.
bool workerStep(const std::function<void()>& change);

// Runs `task` on the window's thread, at once when called there, otherwise
// while the calling worker waits. False, without running it, when the
// worker has been stopped or the window is going away.
bool carryToWindowThread(const std::function<void()>& task);

// True inside a worker that has been stopped.
bool currentWorkerStopped();

// Window's thread. Stops every worker still running, so none takes a step
// once the window is gone.
void stopAllWorkers();
// Window's thread, after the message loop: waits for every worker to end.
void joinAllWorkers();
// Releases the threads of workers that have ended.
void reapFinishedWorkers();

}  // namespace velloran
