#include "platform/gtk/gtk_platform.h"

#include <gtk/gtk.h>
#include <unistd.h>

#include <cstdio>

#include "platform/gtk/curl_request.h"
#include "platform/gtk/desktop.h"
#include "platform/gtk/message_box.h"
#include "platform/gtk/worker_thread.h"

namespace velloran::gtk {

GtkPlatform::GtkPlatform(int& argc, char**& argv) : argumentCount(argc), arguments(argv), mainWindow(windowThread) {}

void GtkPlatform::prepareProcess() {
    // The program's folder is its current folder, as on Windows.
    if (gchar* program = g_file_read_link("/proc/self/exe", nullptr)) {
        gchar* folder = g_path_get_dirname(program);
        if (chdir(folder) != 0) {
            // Staying where we were started does no harm.
        }
        g_free(folder);
        g_free(program);
    }
    displayOpen = gtk_init_check(&argumentCount, &arguments);
    startCurl();
}

void GtkPlatform::cleanUpProcess() { stopCurl(); }

void GtkPlatform::exitProcess(std::int32_t code) {
    std::fflush(nullptr);
    _exit(code);
}

bool GtkPlatform::createMainWindow(const WindowLayout& layout, WindowEvents& events) {
    return displayOpen && mainWindow.create(layout, events);
}

void GtkPlatform::showMainWindow() { mainWindow.show(); }

void GtkPlatform::runMessageLoop() {
    mainWindow.runUntilDestroyed();
    windowThread.loopEnded();
}

bool GtkPlatform::isWindowThread() { return windowThread.isCurrent(); }

bool GtkPlatform::runOnWindowThread(const std::function<void()>& task) { return windowThread.run(task); }

void GtkPlatform::postToWindowThread(std::function<void()> task) { windowThread.post(std::move(task)); }

void GtkPlatform::showFieldText(ControlId field, const Text& text) { mainWindow.showFieldText(field, text); }

void GtkPlatform::clearListBox() { mainWindow.clearListBox(); }

void GtkPlatform::addListItem(const Text& item) { mainWindow.addListItem(item); }

std::int32_t GtkPlatform::listSelection() { return mainWindow.listSelection(); }

bool GtkPlatform::checkBoxChecked() { return mainWindow.checkBoxChecked(); }

void GtkPlatform::setTimer(std::int32_t periodMs) { mainWindow.setTimer(periodMs); }

void GtkPlatform::navigate(const Text& address) { mainWindow.browserView().navigate(address); }

Text GtkPlatform::locationName() { return mainWindow.browserView().locationName(); }

// No window here plays the part of a shell owner, so ownerTitle has no use.
void GtkPlatform::shellOpen(const Text& address, const Text&) {
    if (displayOpen) openWithDefaultHandler(address);
}

bool GtkPlatform::setClipboardText(const Text& text) { return displayOpen && putOnClipboard(text); }

std::int32_t GtkPlatform::messageBox(const Text& text, const Text& title, std::uint32_t style) {
    if (!displayOpen) return printMessageBox(text, title);
    if (windowThread.isCurrent()) return runMessageBox(text, title, style);
    // From a worker: the box is shown by the window's thread while the worker
    // waits, also while the window goes away, as long as the loop runs.
    std::int32_t button = 0;
    if (windowThread.runUntilLoopEnds([&] { button = runMessageBox(text, title, style); })) return button;
    return printMessageBox(text, title);
}

std::unique_ptr<RequestObject> GtkPlatform::createRequestObject(const Text& progId) {
    return newCurlRequest(progId);
}

std::unique_ptr<WorkerThread> GtkPlatform::startThread(std::function<void()> body) {
    return startWorkerThread(std::move(body));
}

}  // namespace velloran::gtk
