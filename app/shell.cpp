#include "app/shell.h"

#include "platform/platform.h"
#include "text/literals.h"

namespace velloran {

void openInBrowser(const Text& address) {
    host().shellOpen(address, makeText(literals::browserOwnerWindowTitle));
}

}  // namespace velloran
