// The HTTP request object (XMLHTTP), created from its ProgID, put into its
// running state, and driven by member name through IDispatch.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <memory>
#include <vector>

#include "platform/platform.h"

namespace velloran::win32 {

class DispatchRequestObject final : public RequestObject {
public:
    explicit DispatchRequestObject(IDispatch* object) : dispatch(object) {}
    ~DispatchRequestObject() override;
    DispatchRequestObject(const DispatchRequestObject&) = delete;
    DispatchRequestObject& operator=(const DispatchRequestObject&) = delete;

    bool callMethod(const Text& name, const std::vector<RequestArgument>& arguments) override;
    bool readBytesProperty(const Text& name, std::vector<unsigned char>& bytes) override;

private:
    bool memberId(const Text& name, DISPID& id);

    IDispatch* dispatch;
};

// Null when the ProgID names nothing that can be created and run.
std::unique_ptr<RequestObject> createDispatchRequestObject(const Text& progId);

}  // namespace velloran::win32
