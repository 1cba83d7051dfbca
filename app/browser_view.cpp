#include "app/browser_view.h"

#include "app/event_table.h"
#include "platform/platform.h"

namespace velloran {

namespace {

// The title of the event being handled; events can nest, since a load
// requested inside one may report its title before returning.
const Text* eventTitle = nullptr;

}  // namespace

void loadAddress(const Text& address) {
    Platform& platform = host();
    if (platform.isWindowThread()) {
        platform.navigate(address);
    } else {
        platform.postToWindowThread([address] { host().navigate(address); });
    }
}

Text pageTitle() { return eventTitle ? *eventTitle : host().locationName(); }

void deliverTitle(const Text& title) {
    const Text* outer = eventTitle;
    eventTitle = &title;
    raiseEvent(ControlId::超文本浏览框1, EventKind::titleChanged);
    eventTitle = outer;
}

}  // namespace velloran
