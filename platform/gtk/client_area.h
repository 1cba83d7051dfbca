// The window's client area: a GtkFixed of a set size. Controls are placed
// in client-area pixels as on Windows; those placed past its edge are cut
// off instead of growing the window.
#pragma once

#include <gtk/gtk.h>

namespace velloran::gtk {

GtkWidget* newClientArea(int width, int height);

}  // namespace velloran::gtk
