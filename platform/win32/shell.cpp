#include "platform/win32/shell.h"

#include <windows.h>
#include <shellapi.h>

#include <cstring>

namespace velloran::win32 {

void openWithShell(const Text& address, const Text& ownerTitle) {
    HWND owner = FindWindowA(nullptr, ownerTitle.c_str());
    // The shell reports nothing the program would act on.
    ShellExecuteA(owner, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

bool putTextOnClipboard(const Text& text) {
    // The block is ready before the clipboard is touched, so a failed
    // allocation leaves the user's clipboard as it was.
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1);
    if (block == nullptr) return false;
    void* bytes = GlobalLock(block);
    if (bytes == nullptr) {
        GlobalFree(block);
        return false;
    }
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(block);

    if (!OpenClipboard(nullptr)) {
        GlobalFree(block);
        return false;
    }
    EmptyClipboard();
    if (SetClipboardData(CF_TEXT, block) == nullptr) GlobalFree(block);
    // The bytes are GBK whatever the system's locale: the Unicode form the
    // system derives from them must be read through code page 936.
    HGLOBAL locale = GlobalAlloc(GMEM_MOVEABLE, sizeof(LCID));
    if (locale != nullptr) {
        if (auto* value = static_cast<LCID*>(GlobalLock(locale))) {
            *value = MAKELCID(MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED), SORT_DEFAULT);
            GlobalUnlock(locale);
            if (SetClipboardData(CF_LOCALE, locale) == nullptr) GlobalFree(locale);
        } else {
            GlobalFree(locale);
        }
    }
    CloseClipboard();
    return true;
}

std::int32_t showMessageBox(const Text& text, const Text& title, std::uint32_t style) {
    return MessageBoxA(nullptr, text.c_str(), title.c_str(), style);
}

}  // namespace velloran::win32
