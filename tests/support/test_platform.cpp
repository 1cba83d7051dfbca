#include "tests/support/test_platform.h"

#include <cstdio>
#include <cstdlib>

#include "tests/support/gbk.h"

namespace velloran::testing {

namespace {

class ScriptedRequest final : public RequestObject {
public:
    ScriptedRequest(const RequestScript& answers, std::vector<std::string>& log) : script(answers), calls(log) {}

    bool callMethod(const Text& name, const std::vector<RequestArgument>& arguments) override {
        std::string line(name.data(), name.size());
        for (const RequestArgument& argument : arguments) {
            line += ' ';
            line += argument.isText ? std::string(argument.text.data(), argument.text.size())
                                    : (argument.boolean ? "true" : "false");
        }
        calls.push_back(line);
        return true;
    }

    bool readBytesProperty(const Text& name, std::vector<unsigned char>& bytes) override {
        calls.emplace_back(name.data(), name.size());
        bytes = script.hasBody ? script.body : std::vector<unsigned char>();
        return script.hasBody;
    }

private:
    const RequestScript& script;
    std::vector<std::string>& calls;
};

class TestThread final : public WorkerThread {
public:
    explicit TestThread(std::function<void()> body) : thread(std::move(body)) {}
    ~TestThread() override {
        if (thread.joinable()) thread.join();
    }
    void join() override {
        if (thread.joinable()) thread.join();
    }

private:
    std::thread thread;
};

}  // namespace

TestPlatform::TestPlatform() {
    answerBox = [this](const RecordedBox&) {
        if (isWindowThread()) serve();
        return 1;
    };
    clipboardAnswers = [](const Text&) { return true; };
}

TestPlatform::~TestPlatform() = default;

void TestPlatform::record(const std::string& call) {
    std::lock_guard<std::mutex> lock(recordLock);
    calls.push_back(call);
}

int TestPlatform::serve() {
    int served = 0;
    while (serveOne()) ++served;
    return served;
}

bool TestPlatform::serveOne() {
    std::shared_ptr<Entry> entry;
    {
        std::lock_guard<std::mutex> lock(queueLock);
        if (queue.empty()) return false;
        entry = queue.front();
        queue.pop_front();
    }
    if (entry->request) {
        (*entry->request)();
    } else {
        entry->posted();
    }
    {
        std::lock_guard<std::mutex> lock(queueLock);
        entry->done = true;
    }
    queueChanged.notify_all();
    return true;
}

bool TestPlatform::serveUntil(const std::function<bool()>& done, std::chrono::milliseconds patience) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (true) {
        serve();
        if (done()) return true;
        std::unique_lock<std::mutex> lock(queueLock);
        if (std::chrono::steady_clock::now() >= deadline) return false;
        queueChanged.wait_for(lock, std::chrono::milliseconds(5), [this] { return !queue.empty(); });
    }
}

bool TestPlatform::waitForRequest(std::chrono::milliseconds patience) {
    std::unique_lock<std::mutex> lock(queueLock);
    return queueChanged.wait_for(lock, patience, [this] {
        for (const auto& entry : queue) {
            if (entry->request) return true;
        }
        return false;
    });
}

std::size_t TestPlatform::queuedRequests() {
    std::lock_guard<std::mutex> lock(queueLock);
    return queue.size();
}

void TestPlatform::click(ControlId control) { events->clicked(control); }

void TestPlatform::clickCheckBox() {
    checked = !checked;
    events->clicked(ControlId::选择框1);
}

void TestPlatform::tickTimer() {
    if (runningTimer > 0) events->timerElapsed();
}

void TestPlatform::reportTitle(const Text& title) { events->titleChanged(title); }

void TestPlatform::userEdits(ControlId field, const Text& text) {
    shownFields[static_cast<int>(field)] = text;
    events->fieldEdited(field, text);
}

void TestPlatform::abandonAll() {
    {
        std::lock_guard<std::mutex> lock(queueLock);
        destroying = true;
        for (const auto& entry : queue) entry->abandoned = true;
        queue.clear();
    }
    queueChanged.notify_all();
}

void TestPlatform::close() {
    if (!windowOpen) return;
    record("windowDestroying");
    events->windowDestroying();
    abandonAll();
    windowOpen = false;
    visible = false;
}

void TestPlatform::prepareProcess() { record("prepareProcess"); }

void TestPlatform::cleanUpProcess() {
    record("cleanUpProcess");
    cleanedUp = true;
}

void TestPlatform::exitProcess(std::int32_t code) {
    // Death tests read the last box from the child's stderr.
    {
        std::lock_guard<std::mutex> lock(recordLock);
        if (!boxes.empty()) {
            std::fprintf(stderr, "box [%s] %s\n", printable(boxes.back().title).c_str(),
                         printable(boxes.back().text).c_str());
        }
    }
    std::fflush(stderr);
    std::_Exit(code);
}

bool TestPlatform::createMainWindow(const WindowLayout& layout, WindowEvents& windowEvents) {
    record("createMainWindow");
    if (windowFails) return false;
    events = &windowEvents;
    windowThread = std::this_thread::get_id();
    for (int i = 0; i < controlCount; ++i) shownFields[i] = makeText(layout.controls[i].initialText);
    shownList.assign(1, makeText(layout.controls[static_cast<int>(ControlId::列表框1)].initialText));
    windowOpen = true;
    return true;
}

void TestPlatform::showMainWindow() {
    record("showMainWindow");
    visible = windowOpen;
}

void TestPlatform::runMessageLoop() {
    record("runMessageLoop");
    if (session) session(*this);
    close();
}

bool TestPlatform::isWindowThread() { return std::this_thread::get_id() == windowThread; }

bool TestPlatform::runOnWindowThread(const std::function<void()>& task) {
    auto entry = std::make_shared<Entry>();
    entry->request = &task;
    std::unique_lock<std::mutex> lock(queueLock);
    if (destroying) return false;
    queue.push_back(entry);
    queueChanged.notify_all();
    queueChanged.wait(lock, [&] { return entry->done || entry->abandoned; });
    return entry->done;
}

void TestPlatform::postToWindowThread(std::function<void()> task) {
    auto entry = std::make_shared<Entry>();
    entry->posted = std::move(task);
    {
        std::lock_guard<std::mutex> lock(queueLock);
        if (destroying) return;
        queue.push_back(entry);
    }
    queueChanged.notify_all();
}

void TestPlatform::showFieldText(ControlId field, const Text& text) { shownFields[static_cast<int>(field)] = text; }

void TestPlatform::clearListBox() {
    shownList.clear();
    selection = -1;
}

void TestPlatform::addListItem(const Text& item) { shownList.push_back(item); }

std::int32_t TestPlatform::listSelection() { return selection; }

bool TestPlatform::checkBoxChecked() { return checked; }

void TestPlatform::setTimer(std::int32_t periodMs) {
    timerSettings.push_back(periodMs);
    runningTimer = periodMs;
}

void TestPlatform::navigate(const Text& address) {
    navigations.push_back(address);
    if (duringNavigate) duringNavigate(address);
}

Text TestPlatform::locationName() { return navigations.empty() ? Text() : navigations.back(); }

void TestPlatform::shellOpen(const Text& address, const Text& ownerTitle) {
    record("shellOpen " + std::string(address.data(), address.size()));
    shellOpens.push_back(address);
    shellOwnerTitles.push_back(ownerTitle);
}

bool TestPlatform::setClipboardText(const Text& text) {
    if (!clipboardAnswers(text)) return false;
    clipboard.push_back(text);
    return true;
}

std::int32_t TestPlatform::messageBox(const Text& text, const Text& title, std::uint32_t style) {
    RecordedBox box{text, title, style};
    {
        std::lock_guard<std::mutex> lock(recordLock);
        calls.push_back("messageBox");
        boxes.push_back(box);
    }
    return answerBox(box);
}

std::unique_ptr<RequestObject> TestPlatform::createRequestObject(const Text& progId) {
    const std::string name(progId.data(), progId.size());
    for (const std::string& creatable : request.creatable) {
        if (creatable == name) {
            record("request " + name);
            requestCalls.push_back("create " + name);
            return std::make_unique<ScriptedRequest>(request, requestCalls);
        }
    }
    requestCalls.push_back("cannot create " + name);
    return nullptr;
}

std::unique_ptr<WorkerThread> TestPlatform::startThread(std::function<void()> body) {
    if (threadsFail) return nullptr;
    record("startThread");
    ++threadsStarted;
    return std::make_unique<TestThread>(std::move(body));
}

}  // namespace velloran::testing
