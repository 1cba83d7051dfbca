// Message boxes as modal GTK message dialogs. gtk_dialog_run runs a nested
// main loop, which goes on serving timers, titles and workers' calls while
// the box is open.
#pragma once

#include <cstdint>

#include "text/byte_text.h"

namespace velloran::gtk {

// Window's thread only, with GTK running. Gives IDOK.
std::int32_t runMessageBox(const Text& text, const Text& title, std::uint32_t style);

// Where GTK cannot show a box (no display): the box's text on stderr. Gives IDOK.
std::int32_t printMessageBox(const Text& text, const Text& title);

}  // namespace velloran::gtk
