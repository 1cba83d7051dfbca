// The Platform on GTK 3, WebKitGTK and libcurl.
#pragma once

#include "platform/gtk/main_window.h"
#include "platform/gtk/window_thread.h"
#include "platform/platform.h"

namespace velloran::gtk {

class GtkPlatform final : public Platform {
public:
    GtkPlatform(int& argc, char**& argv);

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
    int& argumentCount;
    char**& arguments;
    bool displayOpen = false;
    WindowThread windowThread;
    MainWindow mainWindow;
};

}  // namespace velloran::gtk
