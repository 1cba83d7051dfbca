#include "platform/gtk/client_area.h"

namespace velloran::gtk {

namespace {

struct ClientArea {
    GtkFixed parent;
    int width;
    int height;
};

struct ClientAreaClass {
    GtkFixedClass parentClass;
};

GType clientAreaType();

ClientArea* asClientArea(GtkWidget* widget) {
    return G_TYPE_CHECK_INSTANCE_CAST(widget, clientAreaType(), ClientArea);
}

// A GtkFixed asks for room for all its children; this one asks for its
// own size only.
void preferredWidth(GtkWidget* widget, int* minimum, int* natural) {
    *minimum = *natural = asClientArea(widget)->width;
}

void preferredHeight(GtkWidget* widget, int* minimum, int* natural) {
    *minimum = *natural = asClientArea(widget)->height;
}

void initClass(void* klass, void*) {
    GtkWidgetClass* widgetClass = GTK_WIDGET_CLASS(klass);
    widgetClass->get_preferred_width = preferredWidth;
    widgetClass->get_preferred_height = preferredHeight;
}

GType clientAreaType() {
    static GType type = 0;
    if (type == 0) {
        GTypeInfo info{};
        info.class_size = sizeof(ClientAreaClass);
        info.class_init = initClass;
        info.instance_size = sizeof(ClientArea);
        type = g_type_register_static(GTK_TYPE_FIXED, "VelloranClientArea", &info, GTypeFlags(0));
    }
    return type;
}

}  // namespace

GtkWidget* newClientArea(int width, int height) {
    GtkWidget* widget = GTK_WIDGET(g_object_new(clientAreaType(), nullptr));
    ClientArea* area = asClientArea(widget);
    area->width = width;
    area->height = height;
    return widget;
}

}  // namespace velloran::gtk
