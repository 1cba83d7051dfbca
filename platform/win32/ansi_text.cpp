#include "platform/win32/ansi_text.h"

namespace velloran::win32 {

std::wstring wideFromAnsi(const Text& text) {
    if (text.empty()) return std::wstring();
    const int length = static_cast<int>(text.size());
    const int wideLength = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    if (wideLength <= 0) return std::wstring();
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, &wide[0], wideLength);
    return wide;
}

Text ansiFromWide(const wchar_t* wide, int length) {
    if (wide == nullptr || length <= 0) return Text();
    const int ansiLength = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
    if (ansiLength <= 0) return Text();
    Text ansi(static_cast<std::size_t>(ansiLength), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, length, &ansi[0], ansiLength, nullptr, nullptr);
    // A text ends at its first NUL, as everywhere in the program.
    return makeText(ansi.c_str());
}

OwnedBstr::OwnedBstr(const Text& text) {
    const std::wstring wide = wideFromAnsi(text);
    value = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

OwnedBstr::~OwnedBstr() { SysFreeString(value); }

Text takeBstr(BSTR value) {
    Text text = ansiFromWide(value, static_cast<int>(SysStringLen(value)));
    SysFreeString(value);
    return text;
}

}  // namespace velloran::win32
