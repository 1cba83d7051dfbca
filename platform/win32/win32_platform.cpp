#include "platform/win32/win32_platform.h"

#include <ole2.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/win32/request_object.h"
#include "platform/win32/shell.h"
#include "platform/win32/worker_thread.h"

namespace velloran::win32 {

Win32Platform::Win32Platform(HINSTANCE instance) : mainWindow(instance), windowThread(GetCurrentThreadId()) {}

void Win32Platform::prepareProcess() {
    // A single-threaded apartment for the browser control and the request object.
    oleReady = SUCCEEDED(OleInitialize(nullptr));
    // The program's own folder becomes the current one.
    std::vector<char> path(MAX_PATH);
    DWORD length = 0;
    for (;;) {
        length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0 || length < path.size()) break;
        path.resize(path.size() * 2);
    }
    if (length == 0) return;
    std::string folder(path.data(), length);
    const std::size_t separator = folder.find_last_of("\\/");
    if (separator == std::string::npos) return;
    folder.resize(separator == 2 && folder[1] == ':' ? separator + 1 : separator);  // keep "C:\"
    SetCurrentDirectoryA(folder.c_str());
}

void Win32Platform::cleanUpProcess() {
    if (oleReady) OleUninitialize();
    oleReady = false;
}

void Win32Platform::exitProcess(std::int32_t code) { ExitProcess(static_cast<UINT>(code)); }

bool Win32Platform::createMainWindow(const WindowLayout& layout, WindowEvents& events) {
    windowThread = GetCurrentThreadId();
    return mainWindow.create(layout, events);
}

void Win32Platform::showMainWindow() { mainWindow.show(); }
void Win32Platform::runMessageLoop() { mainWindow.runMessageLoop(); }

bool Win32Platform::isWindowThread() { return GetCurrentThreadId() == windowThread; }

bool Win32Platform::runOnWindowThread(const std::function<void()>& task) {
    return mainWindow.taskQueue().runAndWait(task);
}

void Win32Platform::postToWindowThread(std::function<void()> task) { mainWindow.taskQueue().post(std::move(task)); }

void Win32Platform::showFieldText(ControlId field, const Text& text) { mainWindow.showFieldText(field, text); }
void Win32Platform::clearListBox() { mainWindow.clearListBox(); }
void Win32Platform::addListItem(const Text& item) { mainWindow.addListItem(item); }
std::int32_t Win32Platform::listSelection() { return mainWindow.listSelection(); }
bool Win32Platform::checkBoxChecked() { return mainWindow.checkBoxChecked(); }
void Win32Platform::setTimer(std::int32_t periodMs) { mainWindow.setTimer(periodMs); }

void Win32Platform::navigate(const Text& address) { mainWindow.browserView().navigate(address); }
Text Win32Platform::locationName() { return mainWindow.browserView().locationName(); }

void Win32Platform::shellOpen(const Text& address, const Text& ownerTitle) { openWithShell(address, ownerTitle); }
bool Win32Platform::setClipboardText(const Text& text) { return putTextOnClipboard(text); }

std::int32_t Win32Platform::messageBox(const Text& text, const Text& title, std::uint32_t style) {
    return showMessageBox(text, title, style);
}

std::unique_ptr<RequestObject> Win32Platform::createRequestObject(const Text& progId) {
    return createDispatchRequestObject(progId);
}

std::unique_ptr<WorkerThread> Win32Platform::startThread(std::function<void()> body) {
    return startWin32Thread(std::move(body));
}

}  // namespace velloran::win32
