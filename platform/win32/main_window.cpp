#include "platform/win32/main_window.h"

#include <vector>

namespace velloran::win32 {

namespace {

constexpr char mainWindowClass[] = "VelloranMainWindow";
constexpr char browserHostClass[] = "VelloranBrowserHost";
// Control numbers stay clear of IDOK and IDCANCEL, which dialog navigation sends.
constexpr int firstControlNumber = 100;
constexpr UINT_PTR refreshTimerId = 1;

int controlNumber(int index) { return firstControlNumber + index; }

struct ControlClass {
    const char* className;
    DWORD style;
    DWORD extendedStyle;
};

ControlClass controlClass(const ControlLayout& control) {
    const DWORD child = WS_CHILD | WS_CLIPSIBLINGS | (control.enabled ? 0 : WS_DISABLED);
    switch (control.kind) {
        case ControlKind::pushButton:
            return {"BUTTON", child | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER, 0};
        case ControlKind::checkBox:
            return {"BUTTON", child | WS_TABSTOP | BS_AUTOCHECKBOX | BS_LEFT | BS_VCENTER | BS_MULTILINE, 0};
        case ControlKind::label:
            return {"STATIC", child | SS_LEFT | SS_NOPREFIX | (control.flatBorder ? WS_BORDER : 0), 0};
        case ControlKind::editField: {
            DWORD style = child | WS_TABSTOP | ES_LEFT;
            style |= control.multiLine ? (ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL) : ES_AUTOHSCROLL;
            if (control.flatBorder) return {"EDIT", style | WS_BORDER, 0};
            return {"EDIT", style, WS_EX_CLIENTEDGE};
        }
        case ControlKind::listBox:
            return {"LISTBOX",
                    child | WS_TABSTOP | WS_VSCROLL | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT |
                        (control.flatBorder ? WS_BORDER : 0),
                    control.flatBorder ? 0u : static_cast<DWORD>(WS_EX_CLIENTEDGE)};
        case ControlKind::browserView:
            return {browserHostClass, child | WS_CLIPCHILDREN, 0};
        case ControlKind::timer:
        case ControlKind::commonDialog:
            break;
    }
    return {nullptr, 0, 0};
}

}  // namespace

MainWindow::~MainWindow() {
    for (HFONT font : ownFonts) {
        if (font != nullptr) DeleteObject(font);
    }
}

bool MainWindow::registerClasses() {
    WNDCLASSEXA main = {};
    main.cbSize = sizeof main;
    main.lpfnWndProc = windowProcedure;
    main.hInstance = instance;
    main.hIcon = static_cast<HICON>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                               GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR));
    main.hIconSm = static_cast<HICON>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                                 LR_DEFAULTCOLOR));
    main.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    main.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    main.lpszClassName = mainWindowClass;
    if (RegisterClassExA(&main) == 0) return false;

    WNDCLASSEXA host = {};
    host.cbSize = sizeof host;
    host.lpfnWndProc = DefWindowProcA;
    host.hInstance = instance;
    host.hCursor = main.hCursor;
    host.lpszClassName = browserHostClass;
    return RegisterClassExA(&host) != 0;
}

bool MainWindow::create(const WindowLayout& windowLayout, WindowEvents& windowEvents) {
    if (!registerClasses()) return false;
    layout = &windowLayout;
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    window = CreateWindowExA(0, mainWindowClass, windowLayout.caption, style, CW_USEDEFAULT, CW_USEDEFAULT,
                             windowLayout.outerWidth, windowLayout.outerHeight, nullptr, nullptr, instance, this);
    if (window == nullptr) return false;

    // Nothing the controls say while they are being built is the user's doing.
    ++suppressedChanges;
    bool built = true;
    for (int i = 0; i < controlCount && built; ++i) built = createControl(windowLayout.controls[i]);
    --suppressedChanges;
    if (!built) {
        DestroyWindow(window);
        window = nullptr;
        return false;
    }
    // The table lists the controls from the top of the stack down.
    for (HWND control : controls) {
        if (control != nullptr) {
            SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
    for (int i = 0; i < controlCount; ++i) {
        if (controls[i] != nullptr && windowLayout.controls[i].seen) ShowWindow(controls[i], SW_SHOWNA);
    }
    events = &windowEvents;
    queue.attach(window);
    browser.create(controlWindow(ControlId::超文本浏览框1), window,
                   [this](const Text& title) { events->titleChanged(title); });
    return true;
}

bool MainWindow::createControl(const ControlLayout& control) {
    const ControlClass kind = controlClass(control);
    if (kind.className == nullptr) return true;  // non-visual: no window of its own
    const int index = static_cast<int>(control.id);
    const bool titled = control.kind != ControlKind::listBox && control.kind != ControlKind::browserView;
    HWND created = CreateWindowExA(kind.extendedStyle, kind.className, titled ? control.initialText : "", kind.style,
                                   control.left, control.top, control.width, control.height, window,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlNumber(index))), instance,
                                   nullptr);
    if (created == nullptr) return false;
    controls[index] = created;
    applyFont(created, control);
    if (control.kind == ControlKind::editField) {
        // No limit of the field's own: a whole page goes in.
        SendMessageA(created, EM_SETLIMITTEXT, 0, 0);
    }
    if (control.kind == ControlKind::listBox) {
        const LRESULT itemHeight = SendMessageA(created, LB_GETITEMHEIGHT, 0, 0);
        if (itemHeight != LB_ERR) SendMessageA(created, LB_SETITEMHEIGHT, 0, MAKELPARAM(itemHeight + 1, 0));
        if (control.initialText[0] != '\0') {
            SendMessageA(created, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(control.initialText));
        }
    }
    return true;
}

void MainWindow::applyFont(HWND control, const ControlLayout& layoutEntry) {
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    if (layoutEntry.fontHeight > 0) {
        // A character height in pixels, normal weight; the system picks the face.
        HFONT own = CreateFontA(-layoutEntry.fontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, nullptr);
        if (own != nullptr) {
            ownFonts[static_cast<int>(layoutEntry.id)] = own;
            font = own;
        }
    }
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void MainWindow::show() {
    if (window == nullptr || !IsWindow(window)) return;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - layout->outerWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - layout->outerHeight) / 2;
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
}

void MainWindow::runMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (preTranslate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

bool MainWindow::preTranslate(MSG& message) {
    if (window == nullptr) return false;
    if (browser.translateAccelerator(message)) return true;
    const bool ours = message.hwnd == window || IsChild(window, message.hwnd);
    if (!ours) return false;
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
        PostMessageA(window, WM_CLOSE, 0, 0);
        return true;
    }
    // Tab, the arrow keys and Space among the controls, as in a dialog.
    return IsDialogMessageA(window, &message) != FALSE;
}

LRESULT CALLBACK MainWindow::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* creation = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* self = static_cast<MainWindow*>(creation->lpCreateParams);
        self->window = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    return self->handle(message, wParam, lParam);
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WindowThreadQueue::taskMessage:
            queue.serveOne();
            return 0;
        case WM_COMMAND:
            handleCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_TIMER:
            if (wParam == refreshTimerId && events != nullptr) events->timerElapsed();
            return 0;
        case WM_DESTROY:
            destroying();
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY: {
            HWND destroyed = window;
            SetWindowLongPtrA(destroyed, GWLP_USERDATA, 0);
            window = nullptr;
            return DefWindowProcA(destroyed, message, wParam, lParam);
        }
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void MainWindow::handleCommand(int number, int notification) {
    const int index = number - firstControlNumber;
    if (events == nullptr || index < 0 || index >= controlCount) return;
    const ControlLayout& control = layout->controls[index];
    switch (control.kind) {
        case ControlKind::pushButton:
        case ControlKind::checkBox:
            if (notification == BN_CLICKED) events->clicked(control.id);
            break;
        case ControlKind::editField:
            if (notification == EN_CHANGE && suppressedChanges == 0) {
                HWND field = controls[index];
                const int length = GetWindowTextLengthA(field);
                std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
                GetWindowTextA(field, buffer.data(), length + 1);
                events->fieldEdited(control.id, makeText(buffer.data()));
            }
            break;
        default:
            break;
    }
}

void MainWindow::destroying() {
    // Release every waiting worker first: the handler below may wait for one.
    queue.abandonAll();
    if (events != nullptr) events->windowDestroying();
    KillTimer(window, refreshTimerId);
    browser.destroy();
    events = nullptr;
}

void MainWindow::showFieldText(ControlId field, const Text& text) {
    // Fields nobody sees keep their bytes only in the program: the page
    // store can hold megabytes, which the control would convert each time.
    if (!layout->controls[static_cast<int>(field)].seen) return;
    HWND control = controlWindow(field);
    if (control == nullptr) return;
    ++suppressedChanges;
    SetWindowTextA(control, text.c_str());
    --suppressedChanges;
}

void MainWindow::clearListBox() { SendMessageA(controlWindow(ControlId::列表框1), LB_RESETCONTENT, 0, 0); }

void MainWindow::addListItem(const Text& item) {
    SendMessageA(controlWindow(ControlId::列表框1), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

std::int32_t MainWindow::listSelection() {
    const LRESULT selected = SendMessageA(controlWindow(ControlId::列表框1), LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? -1 : static_cast<std::int32_t>(selected);
}

bool MainWindow::checkBoxChecked() {
    return SendMessageA(controlWindow(ControlId::选择框1), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void MainWindow::setTimer(std::int32_t periodMs) {
    if (window == nullptr) return;
    KillTimer(window, refreshTimerId);
    if (periodMs > 0) SetTimer(window, refreshTimerId, static_cast<UINT>(periodMs), nullptr);
}

}  // namespace velloran::win32
