#include "platform/win32/worker_thread.h"

#include <windows.h>
#include <process.h>

#include <utility>

namespace velloran::win32 {

namespace {

class Win32WorkerThread final : public WorkerThread {
public:
    explicit Win32WorkerThread(HANDLE thread) : handle(thread) {}
    ~Win32WorkerThread() override { CloseHandle(handle); }
    Win32WorkerThread(const Win32WorkerThread&) = delete;
    Win32WorkerThread& operator=(const Win32WorkerThread&) = delete;

    void join() override { WaitForSingleObject(handle, INFINITE); }

private:
    HANDLE handle;
};

unsigned __stdcall runBody(void* argument) {
    std::unique_ptr<std::function<void()>> body(static_cast<std::function<void()>*>(argument));
    (*body)();
    return 0;
}

}  // namespace

std::unique_ptr<WorkerThread> startWin32Thread(std::function<void()> body) {
    auto* owned = new std::function<void()>(std::move(body));
    const std::uintptr_t thread = _beginthreadex(nullptr, 0, runBody, owned, 0, nullptr);
    if (thread == 0) {
        delete owned;
        return nullptr;
    }
    return std::make_unique<Win32WorkerThread>(reinterpret_cast<HANDLE>(thread));
}

}  // namespace velloran::win32
