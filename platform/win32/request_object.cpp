#include "platform/win32/request_object.h"

#include <string>

#include "platform/win32/ansi_text.h"
#include "platform/win32/variant_bytes.h"

namespace velloran::win32 {

namespace {

IUnknown* createInstance(const CLSID& classId) {
    IUnknown* object = nullptr;
    HRESULT result = CoCreateInstance(classId, nullptr, CLSCTX_ALL, IID_IUnknown, reinterpret_cast<void**>(&object));
    if (result == E_INVALIDARG) {
        // Older COM libraries refuse the newer context bits of CLSCTX_ALL.
        result = CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER,
                                  IID_IUnknown, reinterpret_cast<void**>(&object));
    }
    return SUCCEEDED(result) ? object : nullptr;
}

}  // namespace

std::unique_ptr<RequestObject> createDispatchRequestObject(const Text& progId) {
    const std::wstring name = wideFromAnsi(progId);
    CLSID classId;
    if (FAILED(CLSIDFromProgID(name.c_str(), &classId))) return nullptr;
    IUnknown* object = createInstance(classId);
    if (object == nullptr) return nullptr;
    if (FAILED(OleRun(object))) {
        object->Release();
        return nullptr;
    }
    IDispatch* dispatch = nullptr;
    const HRESULT result = object->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch));
    object->Release();
    if (FAILED(result)) return nullptr;
    return std::make_unique<DispatchRequestObject>(dispatch);
}

DispatchRequestObject::~DispatchRequestObject() { dispatch->Release(); }

bool DispatchRequestObject::memberId(const Text& name, DISPID& id) {
    std::wstring wide = wideFromAnsi(name);
    LPOLESTR names[] = {&wide[0]};
    return SUCCEEDED(dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id));
}

bool DispatchRequestObject::callMethod(const Text& name, const std::vector<RequestArgument>& arguments) {
    DISPID id;
    if (!memberId(name, id)) return false;
    // Automation takes its arguments last first.
    std::vector<VARIANT> values(arguments.size());
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const RequestArgument& argument = arguments[arguments.size() - 1 - i];
        VARIANT& value = values[i];
        VariantInit(&value);
        if (argument.isText) {
            const std::wstring wide = wideFromAnsi(argument.text);
            V_VT(&value) = VT_BSTR;
            V_BSTR(&value) = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
        } else {
            V_VT(&value) = VT_BOOL;
            V_BOOL(&value) = argument.boolean ? VARIANT_TRUE : VARIANT_FALSE;
        }
    }
    DISPPARAMS parameters = {values.empty() ? nullptr : values.data(), nullptr, static_cast<UINT>(values.size()), 0};
    VARIANT result;
    VariantInit(&result);
    const HRESULT outcome =
        dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters, &result, nullptr, nullptr);
    VariantClear(&result);
    for (VARIANT& value : values) VariantClear(&value);
    return SUCCEEDED(outcome);
}

bool DispatchRequestObject::readBytesProperty(const Text& name, std::vector<unsigned char>& bytes) {
    bytes.clear();
    DISPID id;
    if (!memberId(name, id)) return false;
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    VARIANT value;
    VariantInit(&value);
    if (FAILED(dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &value, nullptr,
                                nullptr))) {
        return false;
    }
    const bool had = variantBytes(value, bytes);
    VariantClear(&value);
    return had;
}

}  // namespace velloran::win32
