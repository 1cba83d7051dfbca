#include "app/application.h"

#include "app/browser_view.h"
#include "app/controls.h"
#include "app/event_table.h"
#include "app/program_state.h"
#include "app/window_layout.h"
#include "app/workers.h"
#include "text/fatal_error.h"
#include "text/literals.h"

namespace velloran {

namespace {

// Turns what the host reports into the program's events.
class MainWindowEvents final : public WindowEvents {
public:
    void windowCreated() override { raiseWindowEvent(EventKind::created); }
    void windowDestroying() override {
        raiseWindowEvent(EventKind::willBeDestroyed);
        // The handler stops only the newest worker; earlier ones must not
        // outlive the window either.
        stopAllWorkers();
    }
    void clicked(ControlId control) override { raiseEvent(control, EventKind::clicked); }
    void fieldEdited(ControlId field, const Text& text) override { fieldEditedByUser(field, text); }
    void timerElapsed() override { raiseEvent(ControlId::时钟1, EventKind::periodic); }
    void titleChanged(const Text& title) override { deliverTitle(title); }
};

}  // namespace

std::int32_t runApplication(Platform& platform) {
    setHost(&platform);
    platform.prepareProcess();
    createState();
    resetControls();

    MainWindowEvents events;
    if (!platform.createMainWindow(mainWindowLayout(), events)) {
        fatalError(0, makeText(literals::windowLoadFailed));
    }
    events.windowCreated();
    platform.showMainWindow();
    platform.runMessageLoop();

    // The exit sequence. No worker may take a step once releaseState begins.
    stopAllWorkers();
    joinAllWorkers();
    releaseState();
    platform.cleanUpProcess();
    return 0;
}

}  // namespace velloran
