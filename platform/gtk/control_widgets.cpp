#include "platform/gtk/control_widgets.h"

#include <string>

#include "platform/gtk/clipped_label.h"
#include "platform/gtk/gbk.h"

namespace velloran::gtk {

namespace {

// Windows' default GUI font on code page 936: 9-point SimSun, 12 pixels
// high, with lines as tall as the font.
constexpr int defaultFontPixels = 12;

// Small paddings so that captions fit the Windows sizes; frames of one
// pixel where the layout asks for a flat border. Message boxes keep the
// desktop's own look.
constexpr const char* mainWindowClass = "velloran-main";
constexpr const char* controlStyle = R"css(
.velloran-main checkbutton check { min-width: 13px; min-height: 13px; margin: 0 3px 0 0; padding: 0; }
.velloran-main button { padding: 0 2px; min-height: 0; min-width: 0; }
.velloran-main entry { padding: 0 3px; min-height: 0; }
.velloran-main checkbutton { padding: 0; min-height: 0; }
.velloran-main .velloran-flat-border { border: 1px solid #000000; }
.velloran-main treeview { -GtkTreeView-vertical-separator: 0; -GtkTreeView-expander-size: 0; }
)css";

void addStyleClass(GtkWidget* widget, const char* name) {
    gtk_style_context_add_class(gtk_widget_get_style_context(widget), name);
}

// A font of the control's own, as 按钮1 has.
void applyOwnFont(GtkWidget* widget, int fontHeight) {
    if (fontHeight <= 0) return;
    std::string css = "* { font-size: " + std::to_string(fontHeight) + "px; font-weight: normal; }";
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, css.c_str(), -1, nullptr);
    gtk_style_context_add_provider(gtk_widget_get_style_context(widget), GTK_STYLE_PROVIDER(provider),
                                   GTK_STYLE_PROVIDER_PRIORITY_APPLICATION + 1);
    GtkWidget* child = GTK_IS_BIN(widget) ? gtk_bin_get_child(GTK_BIN(widget)) : nullptr;
    if (child != nullptr)
        gtk_style_context_add_provider(gtk_widget_get_style_context(child), GTK_STYLE_PROVIDER(provider),
                                       GTK_STYLE_PROVIDER_PRIORITY_APPLICATION + 1);
    g_object_unref(provider);
}

// A list box item is one pixel taller than the font's line. The font is
// known once the list has its style, when it is realized.
void fitRowHeight(GtkWidget* list, GtkCellRenderer* renderer) {
    PangoContext* context = gtk_widget_get_pango_context(list);
    PangoFontMetrics* metrics =
        pango_context_get_metrics(context, pango_context_get_font_description(context), nullptr);
    int line = PANGO_PIXELS(pango_font_metrics_get_ascent(metrics) + pango_font_metrics_get_descent(metrics));
    pango_font_metrics_unref(metrics);
    gtk_cell_renderer_set_fixed_size(renderer, -1, line + 1);
}

void setLayoutSize(GtkWidget* widget, const ControlLayout& layout) {
    gtk_widget_set_size_request(widget, layout.width, layout.height);
    gtk_widget_set_sensitive(widget, layout.enabled);
}

}  // namespace

void styleMainWindow(GtkWidget* window) {
    addStyleClass(window, mainWindowClass);
    std::string css = ".velloran-main, .velloran-main * { font-size: " + std::to_string(defaultFontPixels) + "px; }" +
                      controlStyle;
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, css.c_str(), -1, nullptr);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(provider),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(provider);
    // The caret starts at the beginning of a field, as on Windows, rather
    // than the whole text being selected when the field takes the focus.
    g_object_set(gtk_settings_get_default(), "gtk-entry-select-on-focus", FALSE, nullptr);
}

ControlWidget newPushButton(const ControlLayout& layout) {
    ControlWidget control;
    control.placed = gtk_button_new_with_label(utf8FromGbk(makeText(layout.initialText)).c_str());
    setLayoutSize(control.placed, layout);
    applyOwnFont(control.placed, layout.fontHeight);
    return control;
}

ControlWidget newLabel(const ControlLayout& layout) {
    ControlWidget control;
    GtkWidget* label = newClippedLabel(utf8FromGbk(makeText(layout.initialText)).c_str());
    gtk_label_set_xalign(GTK_LABEL(label), 0.0f);
    gtk_label_set_justify(GTK_LABEL(label), GTK_JUSTIFY_LEFT);
    // A label of one line's height is one line, centred; taller ones wrap
    // at word boundaries from the top.
    bool oneLine = layout.height <= 20;
    gtk_label_set_yalign(GTK_LABEL(label), oneLine ? 0.5f : 0.0f);
    if (!oneLine) {
        gtk_label_set_line_wrap(GTK_LABEL(label), TRUE);
        gtk_label_set_line_wrap_mode(GTK_LABEL(label), PANGO_WRAP_WORD_CHAR);
        // Wrap to the layout width, not to the label's natural width.
        gtk_label_set_max_width_chars(GTK_LABEL(label), 1);
        int lineHeight = layout.fontHeight > 0 ? layout.fontHeight : defaultFontPixels;
        PangoAttrList* attributes = pango_attr_list_new();
        pango_attr_list_insert(attributes, pango_attr_line_height_new_absolute(lineHeight * PANGO_SCALE));
        gtk_label_set_attributes(GTK_LABEL(label), attributes);
        pango_attr_list_unref(attributes);
    }
    if (layout.flatBorder) addStyleClass(label, "velloran-flat-border");
    setLayoutSize(label, layout);
    applyOwnFont(label, layout.fontHeight);
    control.placed = label;
    return control;
}

ControlWidget newCheckBox(const ControlLayout& layout) {
    ControlWidget control;
    control.placed = gtk_check_button_new_with_label(utf8FromGbk(makeText(layout.initialText)).c_str());
    GtkWidget* caption = gtk_bin_get_child(GTK_BIN(control.placed));
    if (GTK_IS_LABEL(caption)) {
        gtk_label_set_xalign(GTK_LABEL(caption), 0.0f);
        gtk_label_set_line_wrap(GTK_LABEL(caption), TRUE);
    }
    setLayoutSize(control.placed, layout);
    applyOwnFont(control.placed, layout.fontHeight);
    return control;
}

ControlWidget newEditField(const ControlLayout& layout) {
    ControlWidget control;
    if (!layout.multiLine) {
        control.placed = control.inner = gtk_entry_new();
        gtk_entry_set_width_chars(GTK_ENTRY(control.inner), 1);
        gtk_entry_set_text(GTK_ENTRY(control.inner), utf8FromGbk(makeText(layout.initialText)).c_str());
        gtk_editable_set_position(GTK_EDITABLE(control.inner), 0);
    } else {
        // Multi-line: wraps, keeps line breaks, scrolls with the caret and
        // shows no scroll bars.
        control.placed = gtk_scrolled_window_new(nullptr, nullptr);
        gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(control.placed), GTK_POLICY_EXTERNAL,
                                       GTK_POLICY_EXTERNAL);
        gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(control.placed), GTK_SHADOW_IN);
        control.inner = gtk_text_view_new();
        gtk_text_view_set_wrap_mode(GTK_TEXT_VIEW(control.inner), GTK_WRAP_WORD_CHAR);
        std::string text = utf8FromGbk(makeText(layout.initialText));
        gtk_text_buffer_set_text(gtk_text_view_get_buffer(GTK_TEXT_VIEW(control.inner)), text.c_str(), -1);
        gtk_container_add(GTK_CONTAINER(control.placed), control.inner);
        gtk_widget_show(control.inner);
    }
    if (layout.flatBorder) addStyleClass(control.placed, "velloran-flat-border");
    setLayoutSize(control.placed, layout);
    applyOwnFont(control.inner, layout.fontHeight);
    return control;
}

ControlWidget newListBox(const ControlLayout& layout) {
    ControlWidget control;
    control.items = gtk_list_store_new(1, G_TYPE_STRING);
    control.inner = gtk_tree_view_new_with_model(GTK_TREE_MODEL(control.items));
    g_object_unref(control.items);  // the view holds it
    Text initialItem = makeText(layout.initialText);
    if (!initialItem.empty())
        gtk_list_store_insert_with_values(control.items, nullptr, -1, 0, utf8FromGbk(initialItem).c_str(), -1);
    gtk_tree_view_set_headers_visible(GTK_TREE_VIEW(control.inner), FALSE);
    gtk_tree_view_set_enable_search(GTK_TREE_VIEW(control.inner), FALSE);
    // A flat list: no room kept for expanders, no gap between rows.
    gtk_tree_view_set_show_expanders(GTK_TREE_VIEW(control.inner), FALSE);
    GtkCellRenderer* renderer = gtk_cell_renderer_text_new();
    g_object_set(renderer, "ypad", 0, nullptr);
    g_signal_connect(control.inner, "realize", G_CALLBACK(fitRowHeight), renderer);
    gtk_tree_view_insert_column_with_attributes(GTK_TREE_VIEW(control.inner), -1, nullptr, renderer, "text", 0,
                                                nullptr);
    gtk_tree_selection_set_mode(gtk_tree_view_get_selection(GTK_TREE_VIEW(control.inner)), GTK_SELECTION_SINGLE);

    control.placed = gtk_scrolled_window_new(nullptr, nullptr);
    gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(control.placed), GTK_POLICY_EXTERNAL,
                                   GTK_POLICY_AUTOMATIC);
    gtk_scrolled_window_set_overlay_scrolling(GTK_SCROLLED_WINDOW(control.placed), FALSE);
    if (layout.flatBorder) addStyleClass(control.placed, "velloran-flat-border");
    gtk_container_add(GTK_CONTAINER(control.placed), control.inner);
    gtk_widget_show(control.inner);
    setLayoutSize(control.placed, layout);
    applyOwnFont(control.inner, layout.fontHeight);
    return control;
}

}  // namespace velloran::gtk
