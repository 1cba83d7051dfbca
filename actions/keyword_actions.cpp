#include "actions/keyword_actions.h"

#include "actions/messages.h"
#include "app/addresses.h"
#include "app/controls.h"
#include "app/shell.h"
#include "platform/platform.h"
#include "text/literals.h"

namespace velloran {

namespace {

Text selectedKeyword() { return listItemText(listSelectedIndex()); }

bool breaksQuery(unsigned char byte) {
    switch (byte) {
    case ' ': case '"': case '#': case '%': case '&': case '+': case '<': case '>':
        return true;
    default:
        return byte < 0x20 || byte == 0x7F;
    }
}

}  // namespace

Text searchAddressFor(const Text& keyword) {
    static const char hexDigits[] = "0123456789ABCDEF";
    Text query;
    query.reserve(keyword.size());
    for (const char c : keyword) {
        const auto byte = static_cast<unsigned char>(c);
        if (breaksQuery(byte)) {
            query += '%';
            query += hexDigits[byte >> 4];
            query += hexDigits[byte & 0x0F];
        } else {
            query += c;
        }
    }
    return concatText(makeText(searchAddressPrefix), query);
}

void copyKeyword() {
    if (host().setClipboardText(selectedKeyword())) showMessage(makeText(literals::copyConfirmation), boxStyle::ok);
}

void searchKeyword() { openInBrowser(searchAddressFor(selectedKeyword())); }

void openShopPage() { openInBrowser(makeText(shopPageAddress)); }

}  // namespace velloran
