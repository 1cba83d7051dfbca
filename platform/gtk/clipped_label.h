// A label that keeps the size it is given, as a Windows static control
// does: text that does not fit is cut off at its edges instead of making the
// label taller.
#pragma once

#include <gtk/gtk.h>

namespace velloran::gtk {

GtkWidget* newClippedLabel(const char* utf8Text);

}  // namespace velloran::gtk
