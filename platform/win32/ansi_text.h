// Texts between the program's ANSI bytes and the wide strings that COM and
// the browser control speak, always through the ANSI code page (936 on the
// systems this tool is for).
#pragma once

#include <windows.h>

#include <string>

#include "text/byte_text.h"

namespace velloran::win32 {

std::wstring wideFromAnsi(const Text& text);
Text ansiFromWide(const wchar_t* wide, int length);

// A BSTR that frees itself; null for the empty text is never handed out,
// since some servers take a null BSTR for "no argument".
class OwnedBstr {
public:
    explicit OwnedBstr(const Text& text);
    ~OwnedBstr();
    OwnedBstr(const OwnedBstr&) = delete;
    OwnedBstr& operator=(const OwnedBstr&) = delete;
    BSTR get() const { return value; }

private:
    BSTR value;
};

// The bytes of a BSTR that someone handed over; frees it.
Text takeBstr(BSTR value);

}  // namespace velloran::win32
