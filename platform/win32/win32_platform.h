// The program's host on the Win32 ANSI API: OLE, the main window and its
// controls, the WebBrowser control, the XMLHTTP object, the shell, the
// clipboard, message boxes and threads.
#pragma once

#include <windows.h>

#include "platform/platform.h"
#include "platform/win32/main_window.h"

namespace velloran::win32 {

class Win32Platform final : public Platform {
public:
    explicit Win32Platform(HINSTANCE instance);

    void prepareProcess() override;
    void cleanUpProcess() override;
    [[noreturn]] void exitProcess(std::int32_t code) override;

    bool createMainWindow(const WindowLayout& layout, WindowEvents& events) override;
    void showMainWindow() override;
    void runMessageLoop() override;

    bool isWindowThread() override;
    bool runOnWindowThread(const std::function<void()>& task) override;
    void postToWindowThread(std::function<void()> task) override;

    void showFieldText(ControlId field, const Text& text) override;
    void clearListBox() override;
    void addListItem(const Text& item) override;
    std::int32_t listSelection() override;
    bool checkBoxChecked() override;
    void setTimer(std::int32_t periodMs) override;

    void navigate(const Text& address) override;
    Text locationName() override;

    void shellOpen(const Text& address, const Text& ownerTitle) override;
    bool setClipboardText(const Text& text) override;
    std::int32_t messageBox(const Text& text, const Text& title, std::uint32_t style) override;

    std::unique_ptr<RequestObject> createRequestObject(const Text& progId) override;
    std::unique_ptr<WorkerThread> startThread(std::function<void()> body) override;

private:
    MainWindow mainWindow;
    DWORD windowThread;
    bool oleReady = false;
};

}  // namespace velloran::win32
