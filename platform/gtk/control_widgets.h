// GTK widgets for the layout's kinds of control, sized and styled as the
// Windows controls are. Each maker returns the widget to place in the client
// area; `inner` is the one that holds the content (an entry's text, a list's
// tree view), when that is not the placed widget itself.
#pragma once

#include <gtk/gtk.h>

#include "platform/window_layout.h"

namespace velloran::gtk {

struct ControlWidget {
    GtkWidget* placed = nullptr;
    GtkWidget* inner = nullptr;
    GtkListStore* items = nullptr;  // list box only
};

// The window-wide look: the default GUI font, and controls kept to their
// layout sizes.
void styleMainWindow(GtkWidget* window);

ControlWidget newPushButton(const ControlLayout& layout);
ControlWidget newLabel(const ControlLayout& layout);
ControlWidget newCheckBox(const ControlLayout& layout);
ControlWidget newEditField(const ControlLayout& layout);
ControlWidget newListBox(const ControlLayout& layout);

}  // namespace velloran::gtk
