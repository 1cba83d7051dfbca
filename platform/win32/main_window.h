// The main window and its controls, built from the shared layout data, and
// the message loop that serves them.
#pragma once

#include <windows.h>

#include <array>

#include "platform/platform.h"
#include "platform/win32/browser_view.h"
#include "platform/win32/window_thread_queue.h"

namespace velloran::win32 {

class MainWindow {
public:
    explicit MainWindow(HINSTANCE module) : instance(module) {}
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    bool create(const WindowLayout& layout, WindowEvents& events);
    void show();
    void runMessageLoop();

    WindowThreadQueue& taskQueue() { return queue; }

    void showFieldText(ControlId field, const Text& text);
    void clearListBox();
    void addListItem(const Text& item);
    std::int32_t listSelection();
    bool checkBoxChecked();
    void setTimer(std::int32_t periodMs);
    BrowserView& browserView() { return browser; }

private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void handleCommand(int controlNumber, int notification);
    void destroying();

    bool registerClasses();
    bool createControl(const ControlLayout& control);
    void applyFont(HWND control, const ControlLayout& layout);
    // True when the message was used up (Esc, the browser's keys, Tab).
    bool preTranslate(MSG& message);
    HWND controlWindow(ControlId control) const { return controls[static_cast<int>(control)]; }

    HINSTANCE instance;
    HWND window = nullptr;
    const WindowLayout* layout = nullptr;
    WindowEvents* events = nullptr;
    std::array<HWND, controlCount> controls{};
    HFONT ownFonts[controlCount] = {};
    BrowserView browser;
    WindowThreadQueue queue;
    int suppressedChanges = 0;  // nonzero while the program itself writes a field
};

}  // namespace velloran::win32
