#include "actions/messages.h"

#include "platform/platform.h"
#include "text/literals.h"

namespace velloran {

std::int32_t showMessage(const Text& text, std::uint32_t style) {
    return showMessage(text, style, makeText(literals::informationTitle));
}

std::int32_t showMessage(const Text& text, std::uint32_t style, const Text& title) {
    const std::uint32_t modality = (style & boxStyle::systemModal) ? 0 : boxStyle::taskModal;
    return host().messageBox(text, title, style | modality);
}

}  // namespace velloran
