// The main window as this program lays it out.
#pragma once

#include "platform/window_layout.h"

namespace velloran {

const WindowLayout& mainWindowLayout();
const ControlLayout& controlLayout(ControlId control);

}  // namespace velloran
