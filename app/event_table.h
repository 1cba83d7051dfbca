// Which event of which control runs which handler. No other event has one.
#pragma once

#include "platform/window_layout.h"

namespace velloran {

enum class EventKind {
    created,          // the window, once its controls exist and before it is shown
    willBeDestroyed,  // the window, after a close request; the controls still exist
    textChanged,      // an edit field, after every change of its text
    clicked,          // a push button or the check box
    periodic,         // the timer
    titleChanged,     // the browser view
};

struct EventBinding {
    bool fromWindow;  // the window itself rather than one of its controls
    ControlId source;
    EventKind event;
    void (*handler)();
};

// Runs the handler bound to the event, if there is one. Window's thread.
void raiseEvent(ControlId source, EventKind event);
void raiseWindowEvent(EventKind event);

}  // namespace velloran
