#include "platform/win32/variant_bytes.h"

#include <cstring>

namespace velloran::win32 {

namespace {

bool arrayBytes(SAFEARRAY* array, std::vector<unsigned char>& bytes) {
    if (array == nullptr) return false;
    if (SafeArrayGetElemsize(array) != 1) return false;
    // The element count is the product of every dimension's length; an
    // upper bound of -1 makes a dimension empty.
    std::size_t count = 1;
    const UINT dimensions = SafeArrayGetDim(array);
    for (UINT d = 0; d < dimensions; ++d) count *= array->rgsabound[d].cElements;
    if (dimensions == 0) count = 0;
    if (count == 0) return true;
    void* data = nullptr;
    if (FAILED(SafeArrayAccessData(array, &data))) return false;
    bytes.resize(count);
    std::memcpy(bytes.data(), data, count);
    SafeArrayUnaccessData(array);
    return true;
}

}  // namespace

bool variantBytes(const VARIANT& value, std::vector<unsigned char>& bytes) {
    bytes.clear();
    const VARTYPE type = V_VT(&value);
    if ((type & VT_ARRAY) != 0) {
        const VARTYPE element = static_cast<VARTYPE>(type & VT_TYPEMASK);
        if (element != VT_UI1 && element != VT_I1) return false;
        SAFEARRAY* array = (type & VT_BYREF) != 0 ? (V_ARRAYREF(&value) ? *V_ARRAYREF(&value) : nullptr)
                                                  : V_ARRAY(&value);
        return arrayBytes(array, bytes);
    }
    VARIANT converted;
    VariantInit(&converted);
    if (FAILED(VariantChangeType(&converted, const_cast<VARIANT*>(&value), 0, VT_ARRAY | VT_UI1))) return false;
    const bool had = arrayBytes(V_ARRAY(&converted), bytes);
    VariantClear(&converted);
    return had;
}

}  // namespace velloran::win32
