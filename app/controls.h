// The operations the program performs on the window's controls. Any thread
// may call them: from a worker each is carried to the window's thread while
// the worker waits, and a stopped worker's call does nothing (a read then
// gives the null text).
//
// The program keeps the edit fields' bytes and the list items itself, so a
// read gives back exactly the bytes last written whatever the host's
// controls can show.
#pragma once

#include <cstdint>

#include "platform/window_layout.h"
#include "text/byte_text.h"

namespace velloran {

// Window's thread: fills the kept texts from the layout's initial contents.
void resetControls();

Text readFieldText(ControlId field);
// Writes the field and raises its text-changed event once.
void writeFieldText(ControlId field, const Text& text);
// The user edited a field: keeps its new text and raises the event.
void fieldEditedByUser(ControlId field, const Text& text);

// 列表框1
void clearList();
void addListItem(const Text& item);
std::int32_t listSelectedIndex();
Text listItemText(std::int32_t index);  // the null text outside the items

// 选择框1
bool checkBoxChecked();

// 时钟1. A negative period counts as 0; the period it already has changes
// nothing, so a running count is not restarted.
void writeTimerPeriod(std::int32_t period);

}  // namespace velloran
