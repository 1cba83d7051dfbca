// Everything the program asks of its host: the window and its controls, the
// timer, the browser view, the request object, the shell, the clipboard,
// message boxes, threads and the process. The Win32 build, the GTK build and
// the test platform each implement it; the program's rules stay on this side.
//
// Unless a member says otherwise it is called on the window's thread only:
// the program itself carries a worker's control access over with
// runOnWindowThread.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/window_layout.h"
#include "text/byte_text.h"

namespace velloran {

// Message box styles, with the values Windows gives them.
namespace boxStyle {
inline constexpr std::uint32_t ok = 0x0000;
inline constexpr std::uint32_t iconStop = 0x0010;
inline constexpr std::uint32_t iconInformation = 0x0040;
inline constexpr std::uint32_t systemModal = 0x1000;
inline constexpr std::uint32_t taskModal = 0x2000;
}  // namespace boxStyle

// What the host reports, always on the window's thread.
class WindowEvents {
public:
    virtual void windowCreated() = 0;
    // The window is being destroyed after a close request; its controls still exist.
    virtual void windowDestroying() = 0;
    // A push button or the check box was clicked (the box already shows its new state).
    virtual void clicked(ControlId control) = 0;
    // The user changed an edit field's text; `text` is its new text in GBK.
    virtual void fieldEdited(ControlId control, const Text& text) = 0;
    virtual void timerElapsed() = 0;
    // The browser view reported a title for the page it shows, in GBK.
    virtual void titleChanged(const Text& title) = 0;

protected:
    ~WindowEvents() = default;
};

// An automation argument: a text or a boolean.
struct RequestArgument {
    bool isText;
    Text text;
    bool boolean;
};

// The HTTP request object, bound by member name. No call's success is
// examined by the program, so each member only says whether it ran.
class RequestObject {
public:
    virtual ~RequestObject() = default;
    virtual bool callMethod(const Text& name, const std::vector<RequestArgument>& arguments) = 0;
    // A property as bytes, converted as the host's automation rules say;
    // false, with `bytes` empty, when there is none.
    virtual bool readBytesProperty(const Text& name, std::vector<unsigned char>& bytes) = 0;
};

class WorkerThread {
public:
    virtual ~WorkerThread() = default;
    // Waits until the thread's body has returned. Any thread but the worker's own.
    virtual void join() = 0;
};

class Platform {
public:
    virtual ~Platform() = default;

    // Process. prepareProcess is the first call and cleanUpProcess the last
    // before a normal exit.
    virtual void prepareProcess() = 0;
    virtual void cleanUpProcess() = 0;
    // Ends the process with `code` at once. Any thread.
    [[noreturn]] virtual void exitProcess(std::int32_t code) = 0;

    // The window. createMainWindow builds the window hidden with every
    // control and its initial content, seen controls shown; false when it
    // cannot. It raises no event: the program raises windowCreated itself.
    virtual bool createMainWindow(const WindowLayout& layout, WindowEvents& events) = 0;
    virtual void showMainWindow() = 0;  // centred on the primary screen
    // Serves events until the window has been destroyed.
    virtual void runMessageLoop() = 0;

    // Window's thread: true on the thread that created the window.
    virtual bool isWindowThread() = 0;  // any thread
    // Runs `task` on the window's thread while the caller waits; served by
    // the message loop and by every modal loop. False, without running it,
    // once the window is being destroyed. Any thread but the window's.
    virtual bool runOnWindowThread(const std::function<void()>& task) = 0;
    // Queues `task` for the window's thread and returns at once; dropped once
    // the window is being destroyed. Any thread.
    virtual void postToWindowThread(std::function<void()> task) = 0;

    // Controls. The program keeps every edit field's bytes and every list
    // item itself; the host only shows them.
    virtual void showFieldText(ControlId field, const Text& text) = 0;  // raises no event
    virtual void clearListBox() = 0;
    virtual void addListItem(const Text& item) = 0;
    virtual std::int32_t listSelection() = 0;  // 0-based, -1 for none
    virtual bool checkBoxChecked() = 0;
    // 0 stops the timer; a positive period stops it and starts a fresh count.
    virtual void setTimer(std::int32_t periodMs) = 0;

    // The browser view.
    virtual void navigate(const Text& address) = 0;
    virtual Text locationName() = 0;

    // The shell, the clipboard and message boxes.
    // Hands `address` to the shell's "open"; the owner is the top-level
    // window titled exactly `ownerTitle`, if there is one.
    virtual void shellOpen(const Text& address, const Text& ownerTitle) = 0;
    virtual bool setClipboardText(const Text& text) = 0;
    // No owner window; waits until the box is closed and gives the button. Any thread.
    virtual std::int32_t messageBox(const Text& text, const Text& title, std::uint32_t style) = 0;

    // The request object named by `progId`, created and running; null when it cannot be had.
    virtual std::unique_ptr<RequestObject> createRequestObject(const Text& progId) = 0;

    // A new thread running `body`; null when none can be started. Any thread.
    virtual std::unique_ptr<WorkerThread> startThread(std::function<void()> body) = 0;
};

// The host the program runs on; set once, before anything else runs.
Platform& host();
void setHost(Platform* platform);

}  // namespace velloran
