#include "fetch/fetch_page.h"

#include <memory>
#include <vector>

#include "actions/messages.h"
#include "platform/platform.h"
#include "text/literals.h"

namespace velloran {

namespace {

std::unique_ptr<RequestObject> createRequest() {
    std::unique_ptr<RequestObject> request = host().createRequestObject(makeText(literals::primaryRequestProgId));
    if (!request) request = host().createRequestObject(makeText(literals::fallbackRequestProgId));
    return request;
}

RequestArgument textArgument(const Text& text) { return RequestArgument{true, text, false}; }
RequestArgument booleanArgument(bool value) { return RequestArgument{false, Text(), value}; }

}  // namespace

Text fetchPage(const Text& address) {
    std::unique_ptr<RequestObject> request = createRequest();
    if (!request) {
        showMessage(makeText(literals::objectCreationFailed), boxStyle::iconInformation, makeText(literals::errorTitle));
        return Text();
    }
    // No call's outcome is looked at: each is tried whatever the last gave,
    // and a failure anywhere leaves the body empty.
    request->callMethod(makeText(literals::requestOpenMethod),
                        {textArgument(makeText(literals::requestVerb)), textArgument(address), booleanArgument(false)});
    request->callMethod(makeText(literals::requestSendMethod), {});
    std::vector<unsigned char> body;
    request->readBytesProperty(makeText(literals::requestBodyProperty), body);
    return bytesToText(body.data(), body.size());
}

}  // namespace velloran
