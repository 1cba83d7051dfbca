// velloran.exe: the program on its Win32 host.
#include <windows.h>

#include "app/application.h"
#include "platform/win32/win32_platform.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    velloran::win32::Win32Platform platform(instance);
    return static_cast<int>(velloran::runApplication(platform));
}
