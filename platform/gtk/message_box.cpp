#include "platform/gtk/message_box.h"

#include <gtk/gtk.h>

#include <cstdio>
#include <string>

#include "platform/gtk/gbk.h"
#include "platform/platform.h"

namespace velloran::gtk {

namespace {

constexpr std::int32_t idOk = 1;
constexpr std::uint32_t iconMask = 0x00F0;

GtkMessageType messageType(std::uint32_t style) {
    switch (style & iconMask) {
        case boxStyle::iconStop: return GTK_MESSAGE_ERROR;
        case boxStyle::iconInformation: return GTK_MESSAGE_INFO;
        default: return GTK_MESSAGE_OTHER;
    }
}

}  // namespace

std::int32_t runMessageBox(const Text& text, const Text& title, std::uint32_t style) {
    std::string body = utf8FromGbk(text);
    GtkWidget* dialog =
        gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, messageType(style), GTK_BUTTONS_OK, "%s", body.c_str());
    gtk_window_set_title(GTK_WINDOW(dialog), utf8FromGbk(title).c_str());
    gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER);
    gtk_window_set_keep_above(GTK_WINDOW(dialog), (style & boxStyle::systemModal) != 0);
    gtk_dialog_run(GTK_DIALOG(dialog));
    gtk_widget_destroy(dialog);
    return idOk;
}

std::int32_t printMessageBox(const Text& text, const Text& title) {
    std::fprintf(stderr, "%s\n%s\n", utf8FromGbk(title).c_str(), utf8FromGbk(text).c_str());
    return idOk;
}

}  // namespace velloran::gtk
