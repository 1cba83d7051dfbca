#include "platform/gtk/main_window.h"

#include <gdk/gdkkeysyms.h>

#include <string>

#include "platform/gtk/client_area.h"
#include "platform/gtk/gbk.h"

namespace velloran::gtk {

namespace {

// The layout's outer size holds a Windows dialog frame and caption bar;
// controls are placed in the client area inside them. Classic Windows
// metrics: SM_CXFIXEDFRAME = SM_CYFIXEDFRAME = 3, SM_CYCAPTION = 23.
constexpr int fixedFrame = 3;
constexpr int captionBar = 23;

std::string fieldUtf8(const ControlWidget& field) {
    if (GTK_IS_ENTRY(field.inner)) return gtk_entry_get_text(GTK_ENTRY(field.inner));
    GtkTextBuffer* buffer = gtk_text_view_get_buffer(GTK_TEXT_VIEW(field.inner));
    GtkTextIter start, end;
    gtk_text_buffer_get_bounds(buffer, &start, &end);
    gchar* text = gtk_text_buffer_get_text(buffer, &start, &end, FALSE);
    std::string result = text;
    g_free(text);
    return result;
}

}  // namespace

MainWindow::MainWindow(WindowThread& windowThread)
    : thread(windowThread), timer([this] {
          if (raising()) events->timerElapsed();
      }) {}

bool MainWindow::create(const WindowLayout& windowLayout, WindowEvents& windowEvents) {
    layout = &windowLayout;
    window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    if (window == nullptr) return false;
    styleMainWindow(window);
    gtk_window_set_title(GTK_WINDOW(window), utf8FromGbk(makeText(windowLayout.caption)).c_str());
    gtk_window_set_resizable(GTK_WINDOW(window), FALSE);
    if (GdkPixbuf* icon = gdk_pixbuf_new_from_resource("/net/velloran/velloran.ico", nullptr)) {
        gtk_window_set_icon(GTK_WINDOW(window), icon);
        g_object_unref(icon);
    }
    gtk_window_set_position(GTK_WINDOW(window), GTK_WIN_POS_CENTER);
    int clientWidth = windowLayout.outerWidth - 2 * fixedFrame;
    int clientHeight = windowLayout.outerHeight - 2 * fixedFrame - captionBar;
    GtkWidget* area = newClientArea(clientWidth, clientHeight);
    gtk_container_add(GTK_CONTAINER(window), area);
    gtk_widget_show(area);

    // GtkFixed paints its children in the order they were put, the last on
    // top; the layout lists the top one first.
    for (int i = controlCount - 1; i >= 0; --i) place(area, windowLayout.controls[i]);

    g_signal_connect(window, "delete-event", G_CALLBACK(onDeleteEvent), this);
    // After the focused control has had its chance at the key.
    g_signal_connect_after(window, "key-press-event", G_CALLBACK(onKeyPress), this);
    events = &windowEvents;
    return true;
}

void MainWindow::place(GtkWidget* area, const ControlLayout& control) {
    ControlWidget& widget = widgetOf(control.id);
    ControlSignal* signal = &signals[static_cast<std::size_t>(control.id)];
    *signal = ControlSignal{this, control.id};
    switch (control.kind) {
        case ControlKind::pushButton:
            widget = newPushButton(control);
            g_signal_connect(widget.placed, "clicked", G_CALLBACK(onClicked), signal);
            break;
        case ControlKind::checkBox:
            widget = newCheckBox(control);
            g_signal_connect(widget.placed, "toggled", G_CALLBACK(onClicked), signal);
            break;
        case ControlKind::label:
            widget = newLabel(control);
            break;
        case ControlKind::editField:
            widget = newEditField(control);
            if (GTK_IS_ENTRY(widget.inner))
                g_signal_connect(widget.inner, "changed", G_CALLBACK(onFieldChanged), signal);
            else
                g_signal_connect(gtk_text_view_get_buffer(GTK_TEXT_VIEW(widget.inner)), "changed",
                                 G_CALLBACK(onFieldChanged), signal);
            break;
        case ControlKind::listBox:
            widget = newListBox(control);
            break;
        case ControlKind::browserView:
            widget.placed = browser.create([this](const Text& title) {
                if (raising()) events->titleChanged(title);
            });
            gtk_widget_set_size_request(widget.placed, control.width, control.height);
            break;
        case ControlKind::timer:
        case ControlKind::commonDialog:
            return;  // nothing to see
    }
    gtk_fixed_put(GTK_FIXED(area), widget.placed, control.left, control.top);
    if (control.seen) gtk_widget_show(widget.placed);
}

void MainWindow::show() {
    if (window != nullptr && !closing) gtk_widget_show(window);
}

void MainWindow::runUntilDestroyed() {
    if (window == nullptr || closing) return;
    loop = g_main_loop_new(nullptr, FALSE);
    g_main_loop_run(loop);
    g_main_loop_unref(loop);
    loop = nullptr;
}

void MainWindow::close() {
    if (closing) return;
    closing = true;
    // From here on workers' calls are let go, so the program can stop them.
    thread.closeGate();
    timer.stop();
    browser.stopReporting();
    if (events != nullptr) events->windowDestroying();
    gtk_widget_destroy(window);
    window = nullptr;
    if (loop != nullptr) g_main_loop_quit(loop);
}

gboolean MainWindow::onDeleteEvent(GtkWidget*, GdkEvent*, MainWindow* self) {
    self->close();
    return TRUE;
}

gboolean MainWindow::onKeyPress(GtkWidget*, GdkEventKey* key, MainWindow* self) {
    if (key->keyval != GDK_KEY_Escape) return FALSE;
    self->close();
    return TRUE;
}

void MainWindow::onClicked(GtkWidget*, ControlSignal* signal) {
    if (signal->window->raising()) signal->window->events->clicked(signal->id);
}

void MainWindow::onFieldChanged(gpointer, ControlSignal* signal) {
    MainWindow& self = *signal->window;
    if (!self.raising()) return;
    self.events->fieldEdited(signal->id, gbkFromUtf8(fieldUtf8(self.widgetOf(signal->id)).c_str()));
}

void MainWindow::showFieldText(ControlId field, const Text& text) {
    ControlWidget& widget = widgetOf(field);
    // Hidden fields are never seen, and the page store can be megabytes.
    if (widget.inner == nullptr || !layout->controls[static_cast<int>(field)].seen) return;
    std::string utf8 = utf8FromGbk(text);
    ControlSignal* signal = &signals[static_cast<std::size_t>(field)];
    if (GTK_IS_ENTRY(widget.inner)) {
        g_signal_handlers_block_by_func(widget.inner, reinterpret_cast<gpointer>(onFieldChanged), signal);
        gtk_entry_set_text(GTK_ENTRY(widget.inner), utf8.c_str());
        gtk_editable_set_position(GTK_EDITABLE(widget.inner), 0);
        g_signal_handlers_unblock_by_func(widget.inner, reinterpret_cast<gpointer>(onFieldChanged), signal);
    } else {
        GtkTextBuffer* buffer = gtk_text_view_get_buffer(GTK_TEXT_VIEW(widget.inner));
        g_signal_handlers_block_by_func(buffer, reinterpret_cast<gpointer>(onFieldChanged), signal);
        gtk_text_buffer_set_text(buffer, utf8.c_str(), -1);
        g_signal_handlers_unblock_by_func(buffer, reinterpret_cast<gpointer>(onFieldChanged), signal);
    }
}

void MainWindow::clearListBox() {
    if (GtkListStore* items = widgetOf(ControlId::列表框1).items) gtk_list_store_clear(items);
}

void MainWindow::addListItem(const Text& item) {
    if (GtkListStore* items = widgetOf(ControlId::列表框1).items)
        gtk_list_store_insert_with_values(items, nullptr, -1, 0, utf8FromGbk(item).c_str(), -1);
}

std::int32_t MainWindow::listSelection() {
    GtkWidget* view = widgetOf(ControlId::列表框1).inner;
    if (view == nullptr) return -1;
    GtkTreeModel* model = nullptr;
    GtkTreeIter row;
    if (!gtk_tree_selection_get_selected(gtk_tree_view_get_selection(GTK_TREE_VIEW(view)), &model, &row))
        return -1;
    GtkTreePath* path = gtk_tree_model_get_path(model, &row);
    std::int32_t index = gtk_tree_path_get_indices(path)[0];
    gtk_tree_path_free(path);
    return index;
}

bool MainWindow::checkBoxChecked() {
    GtkWidget* box = widgetOf(ControlId::选择框1).placed;
    return box != nullptr && gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(box));
}

void MainWindow::setTimer(std::int32_t periodMs) {
    if (!closing) timer.start(periodMs);
}

}  // namespace velloran::gtk
