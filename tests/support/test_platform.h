// A deterministic, recording host for the unit tests. The test's own thread
// is the window's thread: it runs the application, serves the queue that
// carries worker requests over, and raises the events a user or the browser
// view would. Workers are real threads, so waiting, ordering and the close
// while a worker waits are real too.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/platform.h"

namespace velloran::testing {

struct RecordedBox {
    Text text;
    Text title;
    std::uint32_t style;
};

// What the scripted request object answers. A ProgID missing from
// `creatable` cannot be created.
struct RequestScript {
    std::vector<std::string> creatable{"MSXML2.XMLHTTP", "Microsoft.XMLHTTP"};
    bool hasBody = true;
    std::vector<unsigned char> body;
};

class TestPlatform final : public Platform {
public:
    TestPlatform();
    ~TestPlatform() override;

    // --- What the test sets up before the run.
    RequestScript request;
    bool threadsFail = false;
    bool windowFails = false;
    // Runs inside a message box's modal loop, on the thread that opened it;
    // gives the button. The default serves what is queued and answers OK.
    std::function<std::int32_t(const RecordedBox&)> answerBox;
    std::function<bool(const Text&)> clipboardAnswers;  // default: the copy succeeds
    // Runs inside navigate, on the window's thread (a title reported from
    // inside the load request).
    std::function<void(const Text&)> duringNavigate;
    // The message loop: what the user and the browser do while the window is
    // open. The window is closed after it returns, if it is still open.
    std::function<void(TestPlatform&)> session;

    // --- What the run did, in order.
    std::vector<std::string> calls;  // one line per host call of interest
    std::vector<RecordedBox> boxes;
    std::vector<Text> shellOpens;
    std::vector<Text> shellOwnerTitles;
    std::vector<Text> clipboard;
    std::vector<Text> navigations;
    std::vector<std::int32_t> timerSettings;
    std::vector<std::string> requestCalls;
    int threadsStarted = 0;
    bool cleanedUp = false;

    // --- What the window shows.
    Text shownField(ControlId field) const { return shownFields[static_cast<int>(field)]; }
    std::vector<Text> shownList;
    std::int32_t selection = -1;
    bool checked = false;
    std::int32_t runningTimer = 0;
    bool visible = false;
    bool windowOpen = false;

    // --- The window's thread: the test drives it with these.
    // Serves every queued request and posted task; gives how many.
    int serve();
    // Serves the oldest queued entry, if any.
    bool serveOne();
    // Serves until `done` holds, waiting for workers in between; false when
    // it did not come about within the time.
    bool serveUntil(const std::function<bool()>& done,
                    std::chrono::milliseconds patience = std::chrono::seconds(20));
    // Waits until a worker's request is queued (not served).
    bool waitForRequest(std::chrono::milliseconds patience = std::chrono::seconds(20));
    std::size_t queuedRequests();

    void click(ControlId control);
    void clickCheckBox();  // toggles the box, then reports the click
    void tickTimer();      // one period elapsing, if the timer runs
    void reportTitle(const Text& title);
    void userEdits(ControlId field, const Text& text);
    void selectItem(std::int32_t index) { selection = index; }
    void close();

    // --- Platform
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
    struct Entry {
        const std::function<void()>* request = nullptr;  // a waiting worker's task
        std::function<void()> posted;
        bool done = false;
        bool abandoned = false;
    };

    void record(const std::string& call);
    void abandonAll();

    WindowEvents* events = nullptr;
    std::thread::id windowThread;
    Text shownFields[controlCount];

    std::mutex queueLock;
    std::condition_variable queueChanged;
    std::deque<std::shared_ptr<Entry>> queue;
    bool destroying = false;

    std::mutex recordLock;  // guards what workers record (boxes, calls)
};

}  // namespace velloran::testing
