#include "platform/gtk/clipped_label.h"

namespace velloran::gtk {

namespace {

struct ClippedLabel {
    GtkLabel parent;
};

struct ClippedLabelClass {
    GtkLabelClass parentClass;
};

GtkWidgetClass* labelClass = nullptr;

// Asks for no height of its own, so the size request alone decides it.
void preferredHeight(GtkWidget*, int* minimum, int* natural) { *minimum = *natural = 0; }

void preferredHeightForWidth(GtkWidget*, int, int* minimum, int* natural) { *minimum = *natural = 0; }

gboolean draw(GtkWidget* widget, cairo_t* cairo) {
    cairo_rectangle(cairo, 0, 0, gtk_widget_get_allocated_width(widget), gtk_widget_get_allocated_height(widget));
    cairo_clip(cairo);
    return labelClass->draw(widget, cairo);
}

void initClass(void* klass, void*) {
    labelClass = GTK_WIDGET_CLASS(g_type_class_peek(GTK_TYPE_LABEL));
    GtkWidgetClass* widgetClass = GTK_WIDGET_CLASS(klass);
    widgetClass->get_preferred_height = preferredHeight;
    widgetClass->get_preferred_height_for_width = preferredHeightForWidth;
    widgetClass->draw = draw;
}

GType clippedLabelType() {
    static GType type = 0;
    if (type == 0) {
        GTypeInfo info{};
        info.class_size = sizeof(ClippedLabelClass);
        info.class_init = initClass;
        info.instance_size = sizeof(ClippedLabel);
        type = g_type_register_static(GTK_TYPE_LABEL, "VelloranClippedLabel", &info, GTypeFlags(0));
    }
    return type;
}

}  // namespace

GtkWidget* newClippedLabel(const char* utf8Text) {
    return GTK_WIDGET(g_object_new(clippedLabelType(), "label", utf8Text, nullptr));
}

}  // namespace velloran::gtk
