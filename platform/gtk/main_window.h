// The main window: a fixed-size client area holding every control at its
// layout place, the close path (close box, Alt+F4 and Esc alike), and the
// translation of GTK's signals into the program's window events.
#pragma once

#include <gtk/gtk.h>

#include <array>
#include <cstdint>

#include "platform/gtk/browser_view.h"
#include "platform/gtk/control_widgets.h"
#include "platform/gtk/repeating_timer.h"
#include "platform/gtk/window_thread.h"
#include "platform/platform.h"

namespace velloran::gtk {

class MainWindow {
public:
    explicit MainWindow(WindowThread& windowThread);

    bool create(const WindowLayout& layout, WindowEvents& events);
    void show();
    // Serves the main context until the window has been destroyed.
    void runUntilDestroyed();

    void showFieldText(ControlId field, const Text& text);
    void clearListBox();
    void addListItem(const Text& item);
    std::int32_t listSelection();
    bool checkBoxChecked();
    void setTimer(std::int32_t periodMs);
    BrowserView& browserView() { return browser; }

private:
    struct ControlSignal {
        MainWindow* window;
        ControlId id;
    };

    void place(GtkWidget* area, const ControlLayout& layout);
    ControlWidget& widgetOf(ControlId id) { return widgets[static_cast<std::size_t>(id)]; }
    bool raising() const { return events != nullptr && !closing; }
    void close();

    static gboolean onDeleteEvent(GtkWidget*, GdkEvent*, MainWindow* self);
    static gboolean onKeyPress(GtkWidget*, GdkEventKey* key, MainWindow* self);
    static void onClicked(GtkWidget*, ControlSignal* signal);
    static void onFieldChanged(gpointer, ControlSignal* signal);

    WindowThread& thread;
    WindowEvents* events = nullptr;
    const WindowLayout* layout = nullptr;
    GtkWidget* window = nullptr;
    GMainLoop* loop = nullptr;
    std::array<ControlWidget, controlCount> widgets{};
    std::array<ControlSignal, controlCount> signals{};
    BrowserView browser;
    RepeatingTimer timer;
    bool closing = false;
};

}  // namespace velloran::gtk
