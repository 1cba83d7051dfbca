// velloran on Linux: the program on GTK, WebKitGTK and libcurl.
#include "app/application.h"
#include "platform/gtk/gtk_platform.h"

int main(int argc, char** argv) {
    velloran::gtk::GtkPlatform platform(argc, argv);
    return velloran::runApplication(platform);
}
