// Looks at another process's windows from inside the Wine prefix, where
// the X server sees only top-level windows. Prints one line per fact;
// texts as hexadecimal ANSI bytes so that the suite decodes them itself.
//   window_probe codepage
//   window_probe tree TITLE     the top-level window titled exactly TITLE
//   window_probe texts TITLE    the texts of its children (a message box)
//   window_probe resources EXE  the icon group and version resource of EXE
//   window_probe hold-clipboard SECONDS
//                               keeps the clipboard open, as another program might
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string hexText(HWND window) {
    const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(window, WM_GETTEXT, static_cast<WPARAM>(length + 1), reinterpret_cast<LPARAM>(text.data()));
    std::string hex;
    char pair[3];
    for (const char* c = text.data(); *c != '\0'; ++c) {
        std::snprintf(pair, sizeof pair, "%02x", static_cast<unsigned char>(*c));
        hex += pair;
    }
    return hex.empty() ? "-" : hex;
}

std::string className(HWND window) {
    char name[128] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// The item height a list box of the default GUI font has of its own.
long defaultItemHeight() {
    HWND list = CreateWindowExA(0, "LISTBOX", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    const long height = static_cast<long>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    DestroyWindow(list);
    return height;
}

int tree(const char* title) {
    HWND top = FindWindowA(nullptr, title);
    if (top == nullptr) {
        std::printf("missing\n");
        return 1;
    }
    RECT outer, client;
    GetWindowRect(top, &outer);
    GetClientRect(top, &client);
    POINT origin = {0, 0};
    ClientToScreen(top, &origin);
    std::printf("window class=%s left=%ld top=%ld width=%ld height=%ld client=%ldx%ld style=%08lx exstyle=%08lx"
                " visible=%d screen=%dx%d origin=%ld,%ld defaultitemheight=%ld\n",
                className(top).c_str(), outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top,
                client.right, client.bottom, static_cast<unsigned long>(GetWindowLongA(top, GWL_STYLE)),
                static_cast<unsigned long>(GetWindowLongA(top, GWL_EXSTYLE)), IsWindowVisible(top) ? 1 : 0,
                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), origin.x, origin.y,
                defaultItemHeight());
    // Which of the window's own controls holds the keyboard focus, as the
    // control number of the child that contains it (0: the window itself).
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    int focusControl = -1;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &thread) && thread.hwndFocus != nullptr) {
        HWND holder = thread.hwndFocus;
        while (holder != nullptr && GetParent(holder) != top && holder != top) holder = GetParent(holder);
        focusControl = holder == top ? 0 : holder != nullptr ? GetDlgCtrlID(holder) : -1;
    }
    std::printf("focus control=%d\n", focusControl);
    // From the top of the stack down.
    for (HWND child = GetWindow(top, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT place;
        GetWindowRect(child, &place);
        MapWindowPoints(HWND_DESKTOP, top, reinterpret_cast<POINT*>(&place), 2);
        const std::string kind = className(child);
        std::printf("child id=%d class=%s left=%ld top=%ld width=%ld height=%ld style=%08lx exstyle=%08lx visible=%d"
                    " text=%s",
                    GetDlgCtrlID(child), kind.c_str(), place.left, place.top, place.right - place.left,
                    place.bottom - place.top, static_cast<unsigned long>(GetWindowLongA(child, GWL_STYLE)),
                    static_cast<unsigned long>(GetWindowLongA(child, GWL_EXSTYLE)),
                    (GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE) != 0 ? 1 : 0, hexText(child).c_str());
        if (_stricmp(kind.c_str(), "ListBox") == 0) {
            std::printf(" items=%ld itemheight=%ld selection=%ld", static_cast<long>(SendMessageA(child, LB_GETCOUNT, 0, 0)),
                        static_cast<long>(SendMessageA(child, LB_GETITEMHEIGHT, 0, 0)),
                        static_cast<long>(SendMessageA(child, LB_GETCURSEL, 0, 0)));
        }
        if (_stricmp(kind.c_str(), "Edit") == 0) {
            std::printf(" limit=%ld", static_cast<long>(SendMessageA(child, EM_GETLIMITTEXT, 0, 0)));
        }
        if (_stricmp(kind.c_str(), "Button") == 0) {
            std::printf(" check=%ld", static_cast<long>(SendMessageA(child, BM_GETCHECK, 0, 0)));
        }
        std::printf("\n");
    }
    return 0;
}

int texts(const char* title) {
    HWND top = FindWindowA(nullptr, title);
    if (top == nullptr) {
        std::printf("missing\n");
        return 1;
    }
    std::printf("window style=%08lx\n", static_cast<unsigned long>(GetWindowLongA(top, GWL_STYLE)));
    for (HWND child = GetWindow(top, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        std::printf("child class=%s text=%s\n", className(child).c_str(), hexText(child).c_str());
    }
    return 0;
}

int resources(const char* path) {
    HMODULE module = LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) {
        std::printf("missing\n");
        return 1;
    }
    std::printf("icongroup=%d\n", FindResourceA(module, "DEFAULT_ICON", RT_GROUP_ICON) != nullptr ? 1 : 0);
    FreeLibrary(module);
    DWORD unused = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &unused);
    std::vector<char> info(size == 0 ? 1 : size);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    if (size != 0 && GetFileVersionInfoA(path, 0, size, info.data()) &&
        VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedSize) && fixed != nullptr) {
        std::printf("version=%lu.%lu.%lu\n", static_cast<unsigned long>(HIWORD(fixed->dwFileVersionMS)),
                    static_cast<unsigned long>(LOWORD(fixed->dwFileVersionMS)),
                    static_cast<unsigned long>(HIWORD(fixed->dwFileVersionLS)));
    } else {
        std::printf("version=none\n");
    }
    return 0;
}

int holdClipboard(const char* seconds) {
    // Opened for a window of its own: Wine lets two openers that both name
    // no window share the clipboard.
    HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    if (!OpenClipboard(owner)) {
        std::printf("busy\n");
        return 1;
    }
    std::printf("held\n");
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(std::atoi(seconds)) * 1000);
    CloseClipboard();
    DestroyWindow(owner);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "codepage") == 0) {
        std::printf("%u\n", GetACP());
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "tree") == 0) return tree(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "texts") == 0) return texts(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "resources") == 0) return resources(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "hold-clipboard") == 0) return holdClipboard(argv[2]);
    std::fprintf(stderr, "usage: window_probe codepage | tree TITLE | texts TITLE | resources EXE | hold-clipboard SECONDS\n");
    return 2;
}
