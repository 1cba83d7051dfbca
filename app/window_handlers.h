// Handlers of the main window's own events and of 编辑框5.
#pragma once

namespace velloran {

// Before the window is first shown: the refresh rule, the download into the
// page store, the shop's two pages, the first harvest.
void onWindowCreated();
// Stops the newest worker between two of its steps.
void onWindowDestroying();
// 编辑框5 changed: it becomes the source address.
void onAddressEdited();

}  // namespace velloran
