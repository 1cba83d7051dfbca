#include "platform/gtk/desktop.h"

#include <gtk/gtk.h>

#include <string>

#include "platform/gtk/gbk.h"

namespace velloran::gtk {

namespace {

void giveText(GtkClipboard*, GtkSelectionData* selection, guint, gpointer text) {
    const auto& utf8 = *static_cast<std::string*>(text);
    gtk_selection_data_set_text(selection, utf8.c_str(), static_cast<gint>(utf8.size()));
}

void releaseText(GtkClipboard*, gpointer text) { delete static_cast<std::string*>(text); }

}  // namespace

bool putOnClipboard(const Text& gbk) {
    GtkClipboard* clipboard = gtk_clipboard_get(GDK_SELECTION_CLIPBOARD);
    GtkTargetList* list = gtk_target_list_new(nullptr, 0);
    gtk_target_list_add_text_targets(list, 0);
    int count = 0;
    GtkTargetEntry* targets = gtk_target_table_new_from_list(list, &count);
    gtk_target_list_unref(list);
    auto* text = new std::string(utf8FromGbk(gbk));
    // On failure GTK has not taken the text; on success the clipboard owns
    // it until another owner replaces it.
    gboolean taken = gtk_clipboard_set_with_data(clipboard, targets, static_cast<guint>(count), giveText,
                                                 releaseText, text);
    gtk_target_table_free(targets, count);
    if (!taken) {
        delete text;
        return false;
    }
    return true;
}

void openWithDefaultHandler(const Text& gbkAddress) {
    std::string address = utf8FromGbk(gbkAddress);
    GError* error = nullptr;
    if (!g_app_info_launch_default_for_uri(address.c_str(), nullptr, &error)) g_clear_error(&error);
}

}  // namespace velloran::gtk
