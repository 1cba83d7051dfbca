#include "app/controls.h"

#include "text/text_list.h"

#include "app/event_table.h"
#include "app/window_layout.h"
#include "app/workers.h"
#include "platform/platform.h"

namespace velloran {

namespace {

// Window's thread only.
struct KeptControls {
    Text fields[controlCount];
    TextList listItems;
    std::int32_t period = 0;
};
KeptControls kept;

}  // namespace

void resetControls() {
    const WindowLayout& layout = mainWindowLayout();
    for (int i = 0; i < controlCount; ++i) kept.fields[i] = makeText(layout.controls[i].initialText);
    kept.listItems.assign(1, makeText(controlLayout(ControlId::列表框1).initialText));
    kept.period = 0;
}

Text readFieldText(ControlId field) {
    Text text;
    carryToWindowThread([&] { text = kept.fields[static_cast<int>(field)]; });
    return text;
}

void writeFieldText(ControlId field, const Text& text) {
    carryToWindowThread([&] {
        kept.fields[static_cast<int>(field)] = text;
        host().showFieldText(field, text);
        raiseEvent(field, EventKind::textChanged);
    });
}

void fieldEditedByUser(ControlId field, const Text& text) {
    kept.fields[static_cast<int>(field)] = text;
    raiseEvent(field, EventKind::textChanged);
}

void clearList() {
    carryToWindowThread([] {
        kept.listItems.clear();
        host().clearListBox();
    });
}

void addListItem(const Text& item) {
    carryToWindowThread([&] {
        kept.listItems.push_back(item);
        host().addListItem(item);
    });
}

std::int32_t listSelectedIndex() {
    std::int32_t index = -1;
    carryToWindowThread([&] { index = host().listSelection(); });
    return index;
}

Text listItemText(std::int32_t index) {
    Text item;
    carryToWindowThread([&] {
        if (index >= 0 && static_cast<std::size_t>(index) < kept.listItems.size()) {
            item = kept.listItems[static_cast<std::size_t>(index)];
        }
    });
    return item;
}

bool checkBoxChecked() {
    bool checked = false;
    carryToWindowThread([&] { checked = host().checkBoxChecked(); });
    return checked;
}

void writeTimerPeriod(std::int32_t period) {
    carryToWindowThread([&] {
        const std::int32_t wanted = period < 0 ? 0 : period;
        if (wanted == kept.period) return;
        kept.period = wanted;
        host().setTimer(wanted);
    });
}

}  // namespace velloran
