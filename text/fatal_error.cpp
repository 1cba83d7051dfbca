#include "text/fatal_error.h"

#include <cstdlib>
#include <string>

#include "platform/platform.h"
#include "text/literals.h"

namespace velloran {

Text fatalErrorReport(std::int32_t code, const Text& message) {
    const Text lineBreak = makeText("\r\n");
    Text report = concatText(makeText(literals::runtimeErrorHeading), lineBreak, lineBreak);
    if (code != 0) {
        const std::string digits = std::to_string(code);
        report += concatText(makeText(literals::errorCodeLabel), makeText(digits.c_str()), lineBreak, lineBreak);
    }
    if (textLength(message) > 0) report += concatText(makeText(literals::errorMessageLabel), message, lineBreak);
    return report;
}

void fatalError(std::int32_t code, const Text& message) {
    host().messageBox(fatalErrorReport(code, message), makeText(literals::errorTitle),
                      boxStyle::ok | boxStyle::iconStop | boxStyle::taskModal);
    host().exitProcess(-1);
    std::abort();  // a host's exitProcess does not return
}

}  // namespace velloran
