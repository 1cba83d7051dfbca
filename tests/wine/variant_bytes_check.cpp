// The response body's conversion to bytes, run against the system's own
// automation library inside the prefix. Prints "ok   CASE" or "FAIL CASE"
// per case and exits 1 if any failed.
#include <windows.h>
#include <oleauto.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/win32/variant_bytes.h"

namespace {

using Bytes = std::vector<unsigned char>;

SAFEARRAY* byteArray(VARTYPE element, const std::vector<ULONG>& lengths, const Bytes& content) {
    std::vector<SAFEARRAYBOUND> bounds;
    for (ULONG length : lengths) bounds.push_back({length, 1});  // 1-based, as Basic makes them
    SAFEARRAY* array = SafeArrayCreate(element, static_cast<UINT>(bounds.size()), bounds.data());
    if (array == nullptr) return nullptr;
    void* data = nullptr;
    if (!content.empty() && SUCCEEDED(SafeArrayAccessData(array, &data))) {
        std::memcpy(data, content.data(), content.size());
        SafeArrayUnaccessData(array);
    }
    return array;
}

struct Case {
    const char* name;
    VARIANT value;
    bool expectedResult;
    Bytes expectedBytes;
};

VARIANT arrayValue(VARTYPE element, const std::vector<ULONG>& lengths, const Bytes& content) {
    VARIANT value;
    VariantInit(&value);
    V_VT(&value) = static_cast<VARTYPE>(VT_ARRAY | element);
    V_ARRAY(&value) = byteArray(element, lengths, content);
    return value;
}

}  // namespace

int main() {
    const Bytes abc = {'A', 'B', 'C'};
    const Bytes six = {1, 2, 3, 4, 5, 6};
    const Bytes withNul = {'A', 0, 'B'};

    SAFEARRAY* referenced = byteArray(VT_UI1, {3}, abc);
    VARIANT byReference;
    VariantInit(&byReference);
    V_VT(&byReference) = VT_ARRAY | VT_UI1 | VT_BYREF;
    V_ARRAYREF(&byReference) = &referenced;

    VARIANT longs;
    VariantInit(&longs);
    V_VT(&longs) = VT_ARRAY | VT_I4;
    {
        SAFEARRAYBOUND bound = {2, 0};
        V_ARRAY(&longs) = SafeArrayCreate(VT_I4, 1, &bound);
    }

    VARIANT text;
    VariantInit(&text);
    V_VT(&text) = VT_BSTR;
    V_BSTR(&text) = SysAllocString(L"AB");

    VARIANT empty;
    VariantInit(&empty);
    VARIANT null;
    VariantInit(&null);
    V_VT(&null) = VT_NULL;

    Case cases[] = {
        {"unsigned bytes give every byte", arrayValue(VT_UI1, {3}, abc), true, abc},
        {"signed bytes give every byte", arrayValue(VT_I1, {3}, abc), true, abc},
        {"bytes held by reference", byReference, true, abc},
        {"two dimensions give all elements in storage order", arrayValue(VT_UI1, {2, 3}, six), true, six},
        {"a NUL byte stays for the text to cut", arrayValue(VT_UI1, {3}, withNul), true, withNul},
        {"an empty array gives no bytes", arrayValue(VT_UI1, {0}, {}), true, {}},
        {"an empty dimension empties the array", arrayValue(VT_UI1, {3, 0}, {}), true, {}},
        {"an array of another element gives nothing", longs, false, {}},
        {"a text converts to its stored bytes", text, true, {'A', 0, 'B', 0}},
        {"an empty value gives nothing", empty, false, {}},
        {"a null value gives nothing", null, false, {}},
    };

    int failures = 0;
    for (Case& entry : cases) {
        Bytes bytes = {0xEE};  // stale content must not survive
        const bool result = velloran::win32::variantBytes(entry.value, bytes);
        const bool ok = result == entry.expectedResult && bytes == entry.expectedBytes;
        std::printf("%s variant bytes: %s\n", ok ? "ok  " : "FAIL", entry.name);
        if (!ok) ++failures;
    }
    for (Case& entry : cases) {
        if ((V_VT(&entry.value) & VT_BYREF) == 0) VariantClear(&entry.value);
    }
    SafeArrayDestroy(referenced);
    return failures == 0 ? 0 : 1;
}
